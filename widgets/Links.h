#pragma once
// The maker's addresses and the one way the program opens them: with whatever program the
// desktop has for web and mail addresses. Nothing is reported when there is none.

#include <QString>

namespace velmora {

inline constexpr const char* kMakerWebSite = "https://www.halvik.example/velmora/";
inline constexpr const char* kMakerMail = "info@halvik.example";
inline constexpr const char* kSalesMail = "mailto:sales@halvik.example";
inline constexpr const char* kSupportMail = "mailto:support@halvik.example";

void OpenAddress(const QString& address);

}  // namespace velmora
