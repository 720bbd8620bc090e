#include "controls/ListAccessible.h"

#include <oleacc.h>

#include "framework/WideText.h"

namespace {

BSTR ToBstr(const std::string& text)
{
    const std::wstring wide = WideText(text);
    return ::SysAllocStringLen(wide.data(), static_cast<UINT>(wide.size()));
}

} // namespace

class ListAccessible final : public IAccessible {
public:
    ListAccessible(const AccessibleEntries& entries, IAccessible* standard) : entries_(&entries), standard_(standard) {}
    ListAccessible(const ListAccessible&) = delete;
    ListAccessible& operator=(const ListAccessible&) = delete;

    void Disconnect() { entries_ = nullptr; }

    STDMETHODIMP QueryInterface(REFIID id, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override { return static_cast<ULONG>(::InterlockedIncrement(&references_)); }
    STDMETHODIMP_(ULONG) Release() override;

    // No type information: clients call IAccessible directly.
    STDMETHODIMP GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override
    {
        return E_NOTIMPL;
    }

    // The entries.
    STDMETHODIMP get_accChildCount(LONG* count) override;
    STDMETHODIMP get_accChild(VARIANT child, IDispatch** object) override;
    STDMETHODIMP get_accName(VARIANT child, BSTR* name) override;
    STDMETHODIMP get_accRole(VARIANT child, VARIANT* role) override;
    STDMETHODIMP get_accState(VARIANT child, VARIANT* state) override;

    // The list itself.
    STDMETHODIMP get_accParent(IDispatch** parent) override { return standard_->get_accParent(parent); }
    STDMETHODIMP get_accValue(VARIANT child, BSTR* value) override { return standard_->get_accValue(child, value); }
    STDMETHODIMP get_accDescription(VARIANT child, BSTR* text) override
    {
        return standard_->get_accDescription(child, text);
    }
    STDMETHODIMP get_accHelp(VARIANT child, BSTR* help) override { return standard_->get_accHelp(child, help); }
    STDMETHODIMP get_accHelpTopic(BSTR* file, VARIANT child, LONG* topic) override
    {
        return standard_->get_accHelpTopic(file, child, topic);
    }
    STDMETHODIMP get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override
    {
        return standard_->get_accKeyboardShortcut(child, shortcut);
    }
    STDMETHODIMP get_accFocus(VARIANT* child) override { return standard_->get_accFocus(child); }
    STDMETHODIMP get_accSelection(VARIANT* children) override { return standard_->get_accSelection(children); }
    STDMETHODIMP get_accDefaultAction(VARIANT child, BSTR* action) override
    {
        return standard_->get_accDefaultAction(child, action);
    }
    STDMETHODIMP accSelect(LONG flags, VARIANT child) override { return standard_->accSelect(flags, child); }
    STDMETHODIMP accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override
    {
        return standard_->accLocation(left, top, width, height, child);
    }
    STDMETHODIMP accNavigate(LONG direction, VARIANT start, VARIANT* end) override
    {
        return standard_->accNavigate(direction, start, end);
    }
    STDMETHODIMP accHitTest(LONG left, LONG top, VARIANT* child) override
    {
        return standard_->accHitTest(left, top, child);
    }
    STDMETHODIMP accDoDefaultAction(VARIANT child) override { return standard_->accDoDefaultAction(child); }
    STDMETHODIMP put_accName(VARIANT child, BSTR name) override { return standard_->put_accName(child, name); }
    STDMETHODIMP put_accValue(VARIANT child, BSTR value) override { return standard_->put_accValue(child, value); }

private:
    static constexpr int kList = -1;
    static constexpr int kNoEntry = -2;

    ~ListAccessible() { standard_->Release(); }

    // The entry's index for a child id, kList for the list itself.
    int EntryOf(const VARIANT& child) const;
    HRESULT NoEntry() const { return entries_ ? E_INVALIDARG : CO_E_OBJNOTCONNECTED; }

    LONG references_ = 1;
    const AccessibleEntries* entries_;
    IAccessible* standard_;
};

STDMETHODIMP ListAccessible::QueryInterface(REFIID id, void** object)
{
    if (!object)
        return E_POINTER;
    if (id != __uuidof(IUnknown) && id != __uuidof(IDispatch) && id != __uuidof(IAccessible)) {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    *object = static_cast<IAccessible*>(this);
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) ListAccessible::Release()
{
    const LONG left = ::InterlockedDecrement(&references_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

int ListAccessible::EntryOf(const VARIANT& child) const
{
    if (child.vt != VT_I4 || child.lVal == CHILDID_SELF)
        return kList;
    if (!entries_ || child.lVal < 1 || child.lVal > entries_->EntryCount())
        return kNoEntry;
    return static_cast<int>(child.lVal - 1);
}

STDMETHODIMP ListAccessible::get_accChildCount(LONG* count)
{
    *count = entries_ ? entries_->EntryCount() : 0;
    return entries_ ? S_OK : CO_E_OBJNOTCONNECTED;
}

// The entries are simple elements: there is no object to give, the client
// asks this one about them by child id.
STDMETHODIMP ListAccessible::get_accChild(VARIANT child, IDispatch** object)
{
    const int index = EntryOf(child);
    if (index == kList)
        return standard_->get_accChild(child, object);
    *object = nullptr;
    return index == kNoEntry ? NoEntry() : S_FALSE;
}

STDMETHODIMP ListAccessible::get_accName(VARIANT child, BSTR* name)
{
    const int index = EntryOf(child);
    if (index == kList)
        return standard_->get_accName(child, name);
    *name = nullptr;
    if (index == kNoEntry)
        return NoEntry();
    *name = ToBstr(entries_->EntryText(index));
    return *name ? S_OK : E_OUTOFMEMORY;
}

STDMETHODIMP ListAccessible::get_accRole(VARIANT child, VARIANT* role)
{
    const int index = EntryOf(child);
    if (index == kList)
        return standard_->get_accRole(child, role);
    role->vt = VT_EMPTY;
    if (index == kNoEntry)
        return NoEntry();
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_LISTITEM;
    return S_OK;
}

STDMETHODIMP ListAccessible::get_accState(VARIANT child, VARIANT* state)
{
    const int index = EntryOf(child);
    if (index == kList)
        return standard_->get_accState(child, state);
    state->vt = VT_EMPTY;
    if (index == kNoEntry)
        return NoEntry();
    const ItemState item = entries_->EntryState(index);
    state->vt = VT_I4;
    state->lVal = STATE_SYSTEM_SELECTABLE | STATE_SYSTEM_FOCUSABLE | (item.selected ? STATE_SYSTEM_SELECTED : 0) |
                  (item.focused ? STATE_SYSTEM_FOCUSED : 0);
    return S_OK;
}

ListAccessibility::~ListAccessibility()
{
    if (!object_)
        return;
    object_->Disconnect();
    object_->Release();
}

LRESULT ListAccessibility::Answer(HWND window, WPARAM wParam)
{
    if (!object_) {
        IAccessible* standard = nullptr;
        if (FAILED(::CreateStdAccessibleObject(window, OBJID_CLIENT, __uuidof(IAccessible),
                                               reinterpret_cast<void**>(&standard))))
            return 0;
        object_ = new ListAccessible(entries_, standard);
    }
    return ::LresultFromObject(__uuidof(IAccessible), wParam, object_);
}

// The id comes as a 32-bit value: a 64-bit lParam holds it without its sign.
bool AsksForClientObject(LPARAM objectId) { return static_cast<DWORD>(objectId) == static_cast<DWORD>(OBJID_CLIENT); }
