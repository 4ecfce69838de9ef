#include "Form2.h"

#include "ui_Form2.h"

namespace preview {

Form2::Form2(QWidget* parent) : FormBase(parent), m_ui(std::make_unique<Ui::Form2>()) {
    m_ui->setupUi(this);
    finishDesignedLayout();
}

Form2::~Form2() = default;

} // namespace preview
