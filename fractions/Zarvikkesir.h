#pragma once

#include <QWidget>

#include "common/AppContext.h"

class TFormZarvikKesir : public QWidget {
    Q_OBJECT
  public:
    explicit TFormZarvikKesir(zarvik::AppContext& context, QWidget* parent = nullptr);

  private:
    void FormCreate();

    zarvik::AppContext& context_;
};
