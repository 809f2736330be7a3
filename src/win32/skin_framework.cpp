#include "win32/skin_framework.h"

#include <string>

#include "ports/failure.h"
#include "win32/handles.h"
#include "win32/system_error.h"

namespace orv::win32 {
namespace {

const DispatchValue& Argument(const std::vector<DispatchValue>& arguments, std::size_t index) {
    if (index >= arguments.size()) throw Failure(L"Argument not optional");
    return arguments[index];
}

template <class T>
const T& ArgumentAs(const std::vector<DispatchValue>& arguments, std::size_t index) {
    const auto* value = std::get_if<T>(&Argument(arguments, index));
    if (value == nullptr) throw Failure(L"Type mismatch");
    return *value;
}

std::string ReadSkinBytes(const std::wstring& path) {
    const HANDLE opened =
        CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (opened == INVALID_HANDLE_VALUE) ThrowLastError(L"The skin file \"" + path + L"\" cannot be read");
    UniqueHandle file(opened);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size)) ThrowLastError(L"The skin file \"" + path + L"\" cannot be read");
    if (size.QuadPart > static_cast<LONGLONG>(kMaxSkinFileBytes)) {
        throw Failure(L"The skin file \"" + path + L"\": the file is larger than 64 KiB");
    }
    std::string bytes(static_cast<std::size_t>(size.QuadPart), '\0');
    DWORD read = 0;
    if (!bytes.empty() && !ReadFile(file.get(), bytes.data(), static_cast<DWORD>(bytes.size()), &read, nullptr)) {
        ThrowLastError(L"The skin file \"" + path + L"\" cannot be read");
    }
    bytes.resize(read);
    return bytes;
}

}  // namespace

DispatchValue SkinFramework::invoke(int dispatchId, DispatchKind kind, const std::vector<DispatchValue>& arguments) {
    switch (dispatchId) {
    case kSkinLoad:
        if (kind != DispatchKind::Method) break;
        {
            const auto& path = ArgumentAs<std::wstring>(arguments, 0);
            skin_ = ParseSkin(ReadSkinBytes(path), path);
        }
        return {};
    case kSkinOptionWord:
        if (kind == DispatchKind::PropertyGet) return options_.word;
        if (kind == DispatchKind::PropertyPut) {
            options_.word = ArgumentAs<std::int32_t>(arguments, 0);
            return {};
        }
        break;
    case kSkinHotTracking:
    case kSkinListHeader:
        if (kind == DispatchKind::PropertyPut) {
            const bool on = ArgumentAs<bool>(arguments, 0);
            (dispatchId == kSkinHotTracking ? options_.hotTracking : options_.skinListHeader) = on;
            return {};
        }
        if (kind == DispatchKind::PropertyGet) {
            return dispatchId == kSkinHotTracking ? options_.hotTracking : options_.skinListHeader;
        }
        break;
    case kSkinApplyWindow:
        if (kind != DispatchKind::Method) break;
        ArgumentAs<std::int32_t>(arguments, 0);
        if (!skin_) throw Failure(L"No skin is loaded");
        applyToWindow_(*skin_, options_);
        return {};
    default:
        throw Failure(L"Member not found (" + std::to_wstring(dispatchId) + L")");
    }
    throw Failure(L"Member not found (" + std::to_wstring(dispatchId) + L")");
}

}  // namespace orv::win32
