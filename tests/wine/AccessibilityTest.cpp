// What a screen reader reads of the main window's controls, through the
// objects the system hands out for their client areas.
#include <oleacc.h>

#include <memory>

#include "PreviewTestSupport.h"
#include "framework/WideText.h"

namespace {

struct Releaser {
    void operator()(IUnknown* object) const { object->Release(); }
};

std::string Utf8(BSTR text)
{
    std::string result = text ? Utf8Text(std::wstring_view(text, ::SysStringLen(text))) : std::string();
    ::SysFreeString(text);
    return result;
}

VARIANT ChildId(LONG child)
{
    VARIANT id;
    id.vt = VT_I4;
    id.lVal = child;
    return id;
}

class Accessible {
public:
    explicit Accessible(HWND window)
    {
        IAccessible* object = nullptr;
        EXPECT_EQ(::AccessibleObjectFromWindow(window, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&object)),
                  S_OK);
        object_.reset(object);
    }
    std::string Name(LONG child = CHILDID_SELF) const
    {
        BSTR name = nullptr;
        object_->get_accName(ChildId(child), &name);
        return Utf8(name);
    }
    std::vector<std::string> ChildNames() const
    {
        LONG count = 0;
        object_->get_accChildCount(&count);
        std::vector<std::string> names;
        for (LONG child = 1; child <= count; ++child)
            names.push_back(Name(child));
        return names;
    }
    std::pair<LONG, LONG> RoleAndState(LONG child) const
    {
        VARIANT role, state;
        object_->get_accRole(ChildId(child), &role);
        object_->get_accState(ChildId(child), &state);
        return {role.lVal, state.lVal};
    }

private:
    std::unique_ptr<IAccessible, Releaser> object_;
};

} // namespace

TEST(AccessibilityTest, TheListsNameTheirEntriesAsShownAndTheButtonAndPictureReadAsTheyShow)
{
    ScratchFolder folder{"lumo-a11y"};
    folder.Fill({"sub\\", "a.bmp", "b.txt"});
    WriteBmp(folder, "photo.bmp", 100, 50);
    ScriptedDialogs dialogs;
    ProgramWindows w;
    TForm1& f = w.form1;
    f.FileListBox1.SetFileName(folder.Path());

    const struct {
        HWND control;
        std::vector<std::string> names;
    } lists[] = {
        {f.FileListBox1.Handle(), {"[..]", "[.]", "[sub]", "a.bmp", "b.txt", "photo.bmp"}},
        {f.DriveComboBox1.Handle(), TextsOf(f.DriveComboBox1.Items())},
    };
    for (const auto& list : lists)
        EXPECT_EQ(Accessible(list.control).ChildNames(), list.names);
    const int selected = f.FileListBox1.IndexOfName("a.bmp");
    f.FileListBox1.SetItemIndex(selected);
    const auto [role, state] = Accessible(f.FileListBox1.Handle()).RoleAndState(selected + 1);
    EXPECT_EQ(role, ROLE_SYSTEM_LISTITEM);
    EXPECT_TRUE(state & STATE_SYSTEM_SELECTED);

    EXPECT_EQ(Accessible(f.BtnStretch.Handle()).Name(), "STRETCH");
    f.LoadPicture(folder / "photo.bmp");
    EXPECT_EQ(Accessible(f.PicView1.Handle()).Name(), "picture PHOTO.BMP, 100 by 50");
    f.LoadPicture(folder / "b.txt");
    EXPECT_EQ(Accessible(f.PicView1.Handle()).Name(), "") << "the preview is empty";
}
