#pragma once
// The six windows of a run, in the order start-up creates them. The launcher
// reaches the others through this set, filled while start-up goes on.

class TFormZarvikAna;
class TFormZarvikSayilar;
class TFormZarvikKesir;
class TFormZarvikAltAlta;
class TFormZarvikAltAltaTamSayfa;
class TFormZarvikEski;
class TFormZarvikEtkinlik;

namespace zarvik {

struct Windows {
    TFormZarvikAna* ana = nullptr;
    TFormZarvikSayilar* sayilar = nullptr;
    TFormZarvikKesir* kesir = nullptr;
    TFormZarvikAltAlta* altAlta = nullptr;
    TFormZarvikAltAltaTamSayfa* altAltaTamSayfa = nullptr;
    TFormZarvikEski* eski = nullptr;
    TFormZarvikEtkinlik* etkinlik = nullptr;
};

}  // namespace zarvik
