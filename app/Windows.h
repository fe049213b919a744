#pragma once
// The windows of a run, in the order start-up creates them: the launcher,
// then every family's windows. The launcher reaches the others through this
// set, filled while start-up goes on.

#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

class TFormZarvikAna;

namespace zarvik {

struct Windows {
    TFormZarvikAna* ana = nullptr;
    // The families' windows with their launcher buttons' names.
    std::vector<std::pair<QString, QWidget*>> families;

    // The window the launcher button of that name shows; nullptr before it exists.
    QWidget* ofButton(QStringView buttonName) const {
        for (const auto& [button, window] : families)
            if (button == buttonName) return window;
        return nullptr;
    }
    // The first window of that class.
    template <typename Window>
    Window* find() const {
        for (const auto& entry : families)
            if (auto* window = dynamic_cast<Window*>(entry.second)) return window;
        return nullptr;
    }
};

}  // namespace zarvik
