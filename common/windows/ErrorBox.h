#pragma once
// The standard error box: every event handler of every window runs through
// runGuarded, so an error raised while handling an event is shown in a modal
// error box with its message and the window carries on. An error with advice
// shows the Turkish sentence first and its exact text below it.

#include <QString>
#include <exception>
#include <new>
#include <utility>

#include "common/core/Errors.h"

class QWidget;

namespace zarvik {

void showErrorBox(QWidget* parent, const QString& message);
// advice first; the message below it as the detail. Empty advice: the message alone.
void showErrorBox(QWidget* parent, const QString& advice, const QString& message);

template <typename Handler>
void runGuarded(QWidget* parent, Handler&& handler) {
    try {
        std::forward<Handler>(handler)();
    } catch (const Error& e) {
        showErrorBox(parent, e.advice(), e.message());
    } catch (const std::bad_alloc&) {
        // Unwound by now: the temporary files are gone and the memory free.
        showErrorBox(parent,
                     QStringLiteral("Bellek yetmedi; bu kadar büyük bir çalışma "
                                    "hazırlanamadı. Var olan dosyalar olduğu gibi duruyor."));
    } catch (const std::exception& e) {
        showErrorBox(parent, QString::fromUtf8(e.what()));
    } catch (...) {
        showErrorBox(parent, QString());
    }
}

}  // namespace zarvik
