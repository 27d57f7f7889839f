#include "framework/qt/translations.h"

#include <QLocale>
#include <QStringDecoder>
#include <QStringList>

namespace fw::detail {

std::vector<std::string> UserLanguages() {
    QStringList languages;
    for (QString language : QLocale::system().uiLanguages()) {
        language.replace(u'-', u'_');
        if (!languages.contains(language))
            languages << language;
        const QString bare = language.section(u'_', 0, 0);
        if (!languages.contains(bare))
            languages << bare;
    }
    std::vector<std::string> names;
    names.reserve(static_cast<std::size_t>(languages.size()));
    for (const QString& language : languages)
        names.push_back(language.toStdString());
    return names;
}

bool ValidUtf8(std::string_view line) {
    QStringDecoder decoder(QStringDecoder::Utf8,
                           QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom);
    // The decoding runs when the result becomes a QString.
    const QString decoded = decoder.decode(QByteArrayView(line.data(), static_cast<qsizetype>(line.size())));
    return !decoder.hasError();
}

} // namespace fw::detail
