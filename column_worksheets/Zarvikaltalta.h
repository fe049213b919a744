#pragma once

#include <QWidget>

#include "common/AppContext.h"

class TFormZarvikAltAlta : public QWidget {
    Q_OBJECT
  public:
    explicit TFormZarvikAltAlta(zarvik::AppContext& context, QWidget* parent = nullptr);

  private:
    void FormCreate();

    zarvik::AppContext& context_;
};
