#include "platform/win32/gdi_glyph_source.h"

#include <algorithm>
#include <cwchar>

#include "platform/win32/gdi_font_face.h"
#include "platform/win32/handles.h"
#include "platform/win32/utf.h"
#include "platform/win32/windows_api.h"

namespace orvanta::platform {
namespace {

int CALLBACK StopAtFirstFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
  *reinterpret_cast<bool*>(found) = true;
  return 0;
}

}  // namespace

bool IsFontFamilyInstalled(std::wstring_view name) {
  if (name.empty() || name.size() >= LF_FACESIZE) {
    return false;
  }
  UniqueDc dc(CreateCompatibleDC(nullptr));
  if (!dc) {
    return false;
  }
  LOGFONTW query{};
  query.lfCharSet = DEFAULT_CHARSET;
  std::wmemcpy(query.lfFaceName, name.data(), name.size());
  bool found = false;
  EnumFontFamiliesExW(dc.get(), &query, StopAtFirstFamily, reinterpret_cast<LPARAM>(&found), 0);
  return found;
}

bool AddPrivateFontFile(const std::string& path) {
  const std::wstring file = Utf8ToWide(path);
  return !file.empty() && AddFontResourceExW(file.c_str(), FR_PRIVATE, nullptr) > 0;
}

const std::wstring& GdiGlyphSource::Fallback() {
  if (!m_fallback) {
    const auto* installed =
        std::find_if(kCjkFallbackFaces.begin(), kCjkFallbackFaces.end(), IsFontFamilyInstalled);
    m_fallback = installed != kCjkFallbackFaces.end() ? std::wstring(*installed) : L"";
  }
  return *m_fallback;
}

std::string GdiGlyphSource::FallbackFaceName() {
  return WideToUtf8(Fallback());
}

std::shared_ptr<gfx::FontFace> GdiGlyphSource::Face(const gfx::FaceKey& key) {
  Key cacheKey{key.Name, key.Height, key.Bold, key.Italic};
  auto found = m_faces.find(cacheKey);
  if (found == m_faces.end()) {
    found =
        m_faces.emplace(std::move(cacheKey), std::make_shared<GdiFontFace>(key, Fallback())).first;
  }
  return found->second;
}

}  // namespace orvanta::platform
