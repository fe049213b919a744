#pragma once
// The names and addresses the program shows: the publisher's site, the author,
// the magazine of the popularity message. All are this project's own inventions
// on example.org and point to no real person, publisher or site.

#include <QStringView>

namespace zarvik::names {

inline constexpr QStringView kApplicationTitle = u"Zarvik";
inline constexpr QStringView kPublisherSiteName = u"okul.example.org";
inline constexpr QStringView kPublisherWebAddress = u"www.okul.example.org";
inline constexpr QStringView kAuthorName = u"Zarvik Ekibi";
inline constexpr QStringView kAuthorWebAddress = u"www.zarvik.example.org";
inline constexpr QStringView kMagazineName = u"Örnek Eğitim";

}  // namespace zarvik::names
