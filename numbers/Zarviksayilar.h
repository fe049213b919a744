#pragma once

#include <QWidget>

#include "common/AppContext.h"

class TFormZarvikSayilar : public QWidget {
    Q_OBJECT
  public:
    explicit TFormZarvikSayilar(zarvik::AppContext& context, QWidget* parent = nullptr);

  private:
    void FormCreate();

    zarvik::AppContext& context_;
};
