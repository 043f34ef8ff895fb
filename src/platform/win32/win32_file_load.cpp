#include "platform/win32/win32_file_load.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <memory>

#include "platform/win32/handles.h"
#include "platform/win32/utf.h"
#include "platform/win32/windows_api.h"

namespace orvanta::platform {
namespace {

using sources::BlockReader;
using sources::ByteBuffer;
using FileLoad = sources::Opened<BlockReader>;

FileLoad Failure(std::string reason) {
  return sources::Failed<BlockReader>(std::move(reason));
}

FileLoad Loaded(ByteBuffer bytes) {
  FileLoad load;
  load.Value = BlockReader(std::move(bytes));
  return load;
}

// The system's text for an error code, without its trailing line break.
std::string ErrorText(DWORD error) {
  wchar_t* text = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::unique_ptr<wchar_t, ReleaseWith<&::LocalFree>> owned(text);
  if (length == 0 || text == nullptr) {
    return "error " + std::to_string(error);
  }
  std::wstring_view message(text, length);
  while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r' ||
                              message.back() == L' ' || message.back() == L'.')) {
    message.remove_suffix(1);
  }
  return WideToUtf8(message);
}

// A read-only view of a file, unmapped with the buffer that borrows its bytes.
class MappedView final : public sources::ByteOwner {
 public:
  explicit MappedView(const void* address) : m_address(address) {}
  ~MappedView() override { UnmapViewOfFile(m_address); }
  MappedView(const MappedView&) = delete;
  MappedView& operator=(const MappedView&) = delete;

 private:
  const void* m_address;
};

ByteBuffer MapFile(HANDLE file, std::size_t size) {
  UniqueKernelHandle mapping(CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr));
  if (!mapping) {
    return {};
  }
  const void* view = MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, size);
  if (view == nullptr) {
    return {};
  }
  // The view keeps the mapping object alive by itself.
  return ByteBuffer::Borrowed({static_cast<const std::uint8_t*>(view), size},
                              std::make_unique<MappedView>(view));
}

}  // namespace

FileLoad LoadFile(const std::string& path) {
  const std::wstring widePath = Utf8ToWide(path);
  const DWORD attributes = GetFileAttributesW(widePath.c_str());
  if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) {
    return Failure("Is a directory");
  }
  UniqueKernelHandle file(CreateFileW(widePath.c_str(), GENERIC_READ,
                                      FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
  if (file.get() == INVALID_HANDLE_VALUE) {
    file.release();
    return Failure(ErrorText(GetLastError()));
  }
  // A pipe, the console or a device such as NUL would block or never end.
  if (GetFileType(file.get()) != FILE_TYPE_DISK) {
    return Failure("not a regular file");
  }
  LARGE_INTEGER fileSize{};
  if (!GetFileSizeEx(file.get(), &fileSize)) {
    return Failure(ErrorText(GetLastError()));
  }
  if (fileSize.QuadPart == 0) {
    return Loaded(ByteBuffer{});  // whether that is a log is for the reader of the bytes to say
  }
  if (static_cast<std::uint64_t>(fileSize.QuadPart) > std::numeric_limits<std::size_t>::max()) {
    return Failure("file too large to read");
  }
  const auto size = static_cast<std::size_t>(fileSize.QuadPart);
  // Windows refuses to cut a file shorter while a view of it is mapped, so unlike on Linux the
  // mapping cannot lose pages under the reader.
  if (ByteBuffer mapped = MapFile(file.get(), size); mapped.Size() == size) {
    return Loaded(std::move(mapped));
  }
  HANDLE handle = file.get();
  sources::Opened<ByteBuffer> read = sources::ReadWhole(
      size,
      [handle](std::span<std::uint8_t> into, std::string& error) -> std::optional<std::size_t> {
        constexpr std::size_t kChunk = std::size_t{1} << 30;
        DWORD got = 0;
        if (!ReadFile(handle, into.data(), static_cast<DWORD>(std::min(into.size(), kChunk)), &got,
                      nullptr)) {
          error = ErrorText(GetLastError());
          return std::nullopt;
        }
        return std::size_t{got};
      });
  if (!read.Ok()) {
    return Failure(std::move(read.Error));
  }
  return Loaded(std::move(read.Value));
}

}  // namespace orvanta::platform
