// Fuzzes property strings applied to a real window and its real controls, on the offscreen platform. The
// first byte picks the target (the window, or one of its controls in the order made); the rest is the string.
// Whatever the bytes:
// - no crash, no sanitizer report, no exception but the refusals the mass property setter passes on;
// - a refused string leaves every declared property of the window and its controls as it was.
#include "framework/edit_field.h"
#include "framework/group_box.h"
#include "framework/image_well.h"
#include "framework/listbox.h"
#include "framework/push_button.h"
#include "framework/runtime.h"
#include "framework/static_text.h"
#include "framework/testing/driver.h"
#include "framework/testing/environment.h"
#include "framework/window.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

void Require(bool ok) {
    if (!ok)
        std::abort();
}

// Where each control stands, as the program's main window places them; two frames, each holding one.
class Target : public fw::Window {
public:
    void Layout() override {
        SetVisible(false); // never painted: a window as large as the string may ask would need gigabytes
    }
    void CreateControls() override {
        Add<fw::StaticText>("StaticText1", 46, 62, 124, 21);
        Add<fw::EditField>("EditField1", 176, 61, 75, 22);
        Add<fw::PushButton>("PushButton1", 69, 124, 163, 20);
        Add<fw::GroupBox>("GroupBox1", 40, 170, 221, 85);
        Add<fw::StaticText>("StaticText2", 54, 199, 197, 38, "GroupBox1");
        Add<fw::GroupBox>("GroupBox2", 40, 279, 221, 197);
        Add<fw::Listbox>("ARListBox1", 47, 313, 206, 158, "GroupBox2");
        Add<fw::ImageWell>("ImageWell1", 10, 10, 32, 32);
    }

private:
    template <class C>
    void Add(const char* name, int left, int top, int width, int height, const char* parent = "") {
        fw::Ref<C> c = AddNew<C>(name);
        c->SetLeft(left);
        c->SetTop(top);
        c->SetWidth(width);
        c->SetHeight(height);
        c->SetInitialParent(parent);
    }
};

// The platform and the folders are the target's own, whatever the caller exported.
void Start() {
    fw::testing::UseOwnEnvironment();
    fw::RuntimeInit();
    fw::RuntimeInitExternalClasses();
}

// Every declared property of every object, as it reads now.
std::vector<fw::PropertyValue> Read(const std::vector<fw::Object*>& objects) {
    std::vector<fw::PropertyValue> values;
    for (const fw::Object* o : objects)
        for (const fw::ClassInfo* c = &o->GetClass(); c; c = c->parent)
            for (const fw::PropertyDecl& d : c->properties)
                values.push_back(d.get(*o, d));
    return values;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    [[maybe_unused]] static const bool started = (Start(), true);
    if (size == 0)
        return 0;
    fw::Ref<Target> window = fw::MakeRef<Target>();
    window->Constructor();
    std::vector<fw::Object*> objects{window.Get()};
    for (const fw::Ref<fw::Control>& c : window->Controls())
        objects.push_back(c.Get());
    fw::Object& target = *objects[data[0] % objects.size()];
    const std::string_view bytes(reinterpret_cast<const char*>(data) + 1, size - 1);

    const std::vector<fw::PropertyValue> before = Read(objects);
    bool refused = true;
    try {
        fw::RuntimeMassPropertySetter(target, bytes);
        refused = false;
    } catch (const fw::UnsupportedFormatException&) {
    } catch (const fw::InvalidArgumentException&) {
    } catch (const fw::OutOfBoundsException&) {
    } catch (const fw::NilObjectException&) {
    }
    Require(!refused || Read(objects) == before);
    window = nullptr;
    fw::testing::CloseAllWindows();
    return 0;
}
