#pragma once

#include "shell/shared/PictureBox.h"
#include "spreadsheet/VectorPicture.h"

namespace preview {

// A picture box that holds the sheet's vector picture and shows it at its
// own size, drawing only the part that is exposed.
class SheetPictureBox : public shell::PictureBox {
    Q_OBJECT

public:
    explicit SheetPictureBox(QWidget* parent = nullptr);

    const spreadsheet::VectorPicture& sheetPicture() const { return m_sheetPicture; }
    void setSheetPicture(const spreadsheet::VectorPicture& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    spreadsheet::VectorPicture m_sheetPicture;
};

} // namespace preview
