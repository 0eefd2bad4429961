// Where the tests find the KVX.dll under test (given on their command line).
#pragma once

#include <string>

namespace kvx_test {

const std::wstring& KvxDllPath();

}  // namespace kvx_test
