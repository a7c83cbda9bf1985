#pragma once
#include <QString>

// Who the program is: the names, version and description every caption, message box and the
// About box show. The version comes from the build (the project's VERSION in CMakeLists.txt).
namespace ProgramInfo {
inline constexpr int VersionMajor = KELMORA_VERSION_MAJOR;
inline constexpr int VersionMinor = KELMORA_VERSION_MINOR;
inline constexpr int VersionRevision = KELMORA_VERSION_PATCH;

inline QString title() { return QStringLiteral("Kelmora"); }
inline QString productName() { return QStringLiteral("Kelmora英打練習"); }
inline QString companyName() { return QStringLiteral("Kelmora 開發小組"); }
// In the Latin face of its label alone: a Chinese name would come from a smaller fallback face.
inline QString copyright() { return QStringLiteral("© 2026 Kelmora developers"); }
inline QString comments()
{
    return QStringLiteral("本軟體適合英打初學者，介面簡單，容易上手，應該可以很快熟悉鍵位及指法。");
}
// A reserved example domain until the project has a page of its own.
inline QString homePage() { return QStringLiteral("https://kelmora.example.org/"); }
} // namespace ProgramInfo

// The caption of every window and the title of every message box.
inline QString programTitle() { return ProgramInfo::productName(); }
