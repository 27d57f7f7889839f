// Stand-in until the text helpers land.
