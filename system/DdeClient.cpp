#include "system/DdeClient.h"

namespace {

HDDEDATA CALLBACK IgnoreTransactions(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR)
{
    return nullptr;
}

} // namespace

DdeClient::DdeClient()
{
    if (::DdeInitializeA(&instance_, IgnoreTransactions, APPCLASS_STANDARD, 0) != DMLERR_NO_ERROR)
        instance_ = 0;
}

DdeClient::~DdeClient()
{
    if (instance_)
        ::DdeUninitialize(instance_);
}

DdeString::DdeString(const DdeClient& client, const std::string& text)
    : instance_(client.Instance()),
      handle_(instance_ ? ::DdeCreateStringHandleA(instance_, text.c_str(), CP_WINANSI) : nullptr)
{
}

DdeString::~DdeString()
{
    if (handle_)
        ::DdeFreeStringHandle(instance_, handle_);
}
