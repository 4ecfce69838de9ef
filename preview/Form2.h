#pragma once

#include "shell/FormBase.h"

#include <memory>

namespace Ui {
class Form2;
}

namespace preview {

// The preview window: the chart's picture in a viewport with scroll bars,
// the zoom buttons, and the buttons that save the chart or go back.
class Form2 : public shell::FormBase {
    Q_OBJECT

public:
    explicit Form2(QWidget* parent = nullptr);
    ~Form2() override;

private:
    std::unique_ptr<Ui::Form2> m_ui;
};

} // namespace preview
