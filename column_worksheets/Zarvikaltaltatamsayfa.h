#pragma once

#include <QWidget>

#include "common/AppContext.h"

class TFormZarvikAltAltaTamSayfa : public QWidget {
    Q_OBJECT
  public:
    explicit TFormZarvikAltAltaTamSayfa(zarvik::AppContext& context, QWidget* parent = nullptr);

  private:
    void FormCreate();

    zarvik::AppContext& context_;
};
