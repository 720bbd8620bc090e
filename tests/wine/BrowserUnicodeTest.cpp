#include "TestSupport.h"
#include "text/PathText.h"
#include "app/ProgramValues.h"
#include "app/TForm1.h"

// Names outside ASCII go through the browser as UTF-8 from end to end.
TEST(BrowserUnicode, ListsSelectsOpensRenamesAndDeletesNonAsciiNames)
{
    ScratchFolder folder("lumo-ünï");
    folder.Fill({"Fotos été\\", "Fotos été\\été.bmp", "Fotos été\\日本.jpg"});
    ScriptedDialogs dialogs;
    TForm1 form;
    TFileListBox& list = form.FileListBox1;

    list.SetFileName(folder / "Fotos été\\été.bmp");
    EXPECT_EQ(list.Directory(), folder / "Fotos été");
    EXPECT_GE(list.IndexOfName("日本.jpg"), 0);
    EXPECT_EQ(list.FileName(), folder / "Fotos été\\été.bmp");
    EXPECT_EQ(form.Edit1.Text(), "ÉTÉ.BMP") << "the upper-case field";

    CurrentPicturePath.clear();
    list.SetItemIndex(list.IndexOfName("日本.jpg"));
    ::SendMessageA(list.Handle(), WM_CHAR, '\r', 1);
    ASSERT_FALSE(dialogs.requests.empty()) << "the load was tried (the file holds no picture)";
    EXPECT_EQ(dialogs.requests.back().text, "日本.JPG is not a valid Bitmapfile !");

    dialogs.Answer(mrOk, "東京 ünï.jpg");
    ::SendMessageA(list.Handle(), WM_KEYDOWN, VK_INSERT, 1);
    EXPECT_TRUE(Exists(folder / "Fotos été\\東京 ünï.jpg"));
    EXPECT_FALSE(Exists(folder / "Fotos été\\日本.jpg"));
    EXPECT_GE(list.IndexOfName("東京 ünï.jpg"), 0);

    list.SetItemIndex(list.IndexOfName("été.bmp"));
    dialogs.Answer(mrYes);
    ::SendMessageA(list.Handle(), WM_KEYDOWN, VK_DELETE, 1);
    EXPECT_EQ(dialogs.requests.back().text, "Delete File été.bmp ?");
    EXPECT_FALSE(Exists(folder / "Fotos été\\été.bmp"));

    list.SetItemIndex(list.IndexOfName("[..]"));
    ::SendMessageA(list.Handle(), WM_CHAR, '\r', 1);
    EXPECT_EQ(list.Directory(), folder.Path());
    EXPECT_GE(list.IndexOfName("[Fotos été]"), 0);
    EXPECT_EQ(form.Label2.Text(), ShortenPath(folder.Path(), 30));
}
