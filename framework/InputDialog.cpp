// The text-input dialog, built from an in-memory dialog template.
#include <string>
#include <vector>

#include "framework/RealDialogs.h"
#include "framework/WideText.h"
#include "text/Utf8Length.h"

namespace {

constexpr int kPromptId = 100;
constexpr int kEditId = 101;

class DialogTemplate {
public:
    DialogTemplate(DWORD style, short width, short height, int itemCount)
    {
        AddDword(style | DS_SETFONT);
        AddDword(0);
        words_.push_back(static_cast<WORD>(itemCount));
        AddRect(0, 0, width, height);
        words_.push_back(0);  // no menu
        words_.push_back(0);  // default class
        AddText(L"");
        words_.push_back(8);  // point size
        AddText(L"MS Sans Serif");
    }

    // classAtom: 0x80 button, 0x81 edit, 0x82 static.
    void AddItem(WORD classAtom, DWORD style, short x, short y, short width, short height, int id, const wchar_t* text)
    {
        if (words_.size() % 2)
            words_.push_back(0);  // items start on a DWORD boundary
        AddDword(style | WS_CHILD | WS_VISIBLE);
        AddDword(0);
        AddRect(x, y, width, height);
        words_.push_back(static_cast<WORD>(id));
        words_.push_back(0xFFFF);
        words_.push_back(classAtom);
        AddText(text);
        words_.push_back(0);  // no creation data
    }

    const DLGTEMPLATE* get() const { return reinterpret_cast<const DLGTEMPLATE*>(words_.data()); }

private:
    void AddDword(DWORD value)
    {
        words_.push_back(LOWORD(value));
        words_.push_back(HIWORD(value));
    }
    void AddRect(short x, short y, short width, short height)
    {
        for (short value : {x, y, width, height})
            words_.push_back(static_cast<WORD>(value));
    }
    void AddText(const wchar_t* text)
    {
        for (; *text; ++text)
            words_.push_back(static_cast<WORD>(*text));
        words_.push_back(0);
    }

    std::vector<WORD> words_;
};

struct InputState {
    const DialogRequest* request;
    std::string value;
};

// The dialog is a Unicode window, so its edit limits the text in
// characters, as a name is limited, and not in UTF-8 bytes.
std::string ItemText(HWND dialog, int id)
{
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(::GetDlgItem(dialog, id))) + 1, L'\0');
    text.resize(static_cast<std::size_t>(::GetDlgItemTextW(dialog, id, text.data(), static_cast<int>(text.size()))));
    return Utf8Text(text);
}

INT_PTR CALLBACK InputDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* state = reinterpret_cast<InputState*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
    case WM_INITDIALOG: {
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        state = reinterpret_cast<InputState*>(lParam);
        ::SetWindowTextW(dialog, WideText(state->request->caption).c_str());
        ::SetDlgItemTextW(dialog, kPromptId, WideText(state->request->text).c_str());
        HWND edit = ::GetDlgItem(dialog, kEditId);
        ::SendMessageW(edit, EM_LIMITTEXT, kMaxInputLength, 0);
        ::SetWindowTextW(edit, WideText(CutToUtf16Length(state->request->value, kMaxInputLength)).c_str());
        ::SetFocus(edit);
        ::SendMessageW(edit, EM_SETSEL, 0, -1);
        return FALSE;  // the focus is set
    }
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK) {
            state->value = ItemText(dialog, kEditId);
            ::EndDialog(dialog, IDOK);
            return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
            ::EndDialog(dialog, IDCANCEL);
            return TRUE;
        }
        break;
    }
    return FALSE;
}

} // namespace

DialogAnswer ShowRealInputDialog(const DialogRequest& request)
{
    DialogTemplate dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 180, 63, 4);
    dialog.AddItem(0x82, SS_LEFT, 8, 8, 164, 8, kPromptId, L"");
    dialog.AddItem(0x81, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 8, 20, 164, 12, kEditId, L"");
    dialog.AddItem(0x80, WS_TABSTOP | BS_DEFPUSHBUTTON, 66, 40, 50, 14, IDOK, L"OK");
    dialog.AddItem(0x80, WS_TABSTOP | BS_PUSHBUTTON, 122, 40, 50, 14, IDCANCEL, L"Abbrechen");

    InputState state{&request, {}};
    INT_PTR result = ::DialogBoxIndirectParamW(::GetModuleHandleW(nullptr), dialog.get(), ::GetActiveWindow(),
                                               InputDialogProc, reinterpret_cast<LPARAM>(&state));
    if (result == IDOK)
        return {mrOk, state.value};
    return {mrCancel, {}};
}
