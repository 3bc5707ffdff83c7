#include "window/gate_cell_delegate.h"

#include "monitor/gate_table_display.h"
#include "window/cell_text.h"
#include "window/gate_item_model.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QBitmap>
#include <QLineEdit>
#include <QPainter>

namespace {
constexpr QPoint kCheckBoxOffset(14, 3);
const QColor kGreyText(128, 128, 128);

QColor BackgroundColour(CellBackground background, const QPalette& palette) {
    switch (background) {
    case CellBackground::NotUsed:
        return {192, 192, 192};
    case CellBackground::Fixed:
        return {208, 208, 208};
    case CellBackground::ButtonFace:
        return palette.color(QPalette::Button);
    case CellBackground::MinAirflow:
        return {128, 176, 255};
    case CellBackground::Table:
        break;
    }
    return palette.color(QPalette::Base);
}

// From the left edge of column 3 to the right edge of column 10 of the row.
QRect NotUsedArea(const QStyleOptionViewItem& option, const QModelIndex& index) {
    const auto* view = qobject_cast<const QAbstractItemView*>(option.widget);
    if (!view)
        return option.rect;
    const QRect first = view->visualRect(index.siblingAtColumn(ColMinAirflow));
    const QRect last = view->visualRect(index.siblingAtColumn(ColAirVolume));
    return first.united(last);
}
} // namespace

GateCellDelegate::GateCellDelegate(const CheckBoxPictures& pictures, QObject* parent)
    : QStyledItemDelegate(parent), pictures_(pictures), notCheckedSeeThrough_(pictures.notChecked) {
    if (!notCheckedSeeThrough_.isNull())
        notCheckedSeeThrough_.setMask(notCheckedSeeThrough_.createMaskFromColor(Qt::white));
}

void GateCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                             const QModelIndex& index) const {
    const auto* cells = qobject_cast<const GateItemModel*>(index.model());
    if (!cells)
        return;
    const CellLook look = cells->Look(index);
    // A disabled table (no link, bootloader mode) takes no input and must look it.
    const bool readOnly = !option.state.testFlag(QStyle::State_Enabled);
    const QColor background = readOnly && look.background == CellBackground::Table
                                  ? option.palette.color(QPalette::Disabled, QPalette::Window)
                                  : BackgroundColour(look.background, option.palette);
    painter->fillRect(option.rect, background);
    const QColor text = look.greyText || readOnly ? kGreyText : QColor(Qt::black);
    const QPoint corner = option.rect.topLeft() + kCheckBoxOffset;
    switch (look.checkBox) {
    case CheckBoxPicture::Checked:
        painter->drawPixmap(corner, pictures_.checked);
        break;
    case CheckBoxPicture::NotChecked:
        painter->drawPixmap(corner, pictures_.notChecked);
        break;
    case CheckBoxPicture::NotCheckedSeeThrough:
        painter->drawPixmap(corner, notCheckedSeeThrough_);
        break;
    case CheckBoxPicture::DisabledChecked:
        painter->drawPixmap(corner, pictures_.disabledChecked);
        break;
    case CheckBoxPicture::None:
        break;
    }
    if (look.notUsed) {
        painter->save();
        painter->setClipRect(option.rect);
        QFont bold = painter->font();
        bold.setBold(true);
        painter->setFont(bold);
        painter->setPen(kGreyText);
        painter->drawText(NotUsedArea(option, index), Qt::AlignCenter,
                          QString::fromLatin1(kNotUsedText));
        painter->restore();
    } else if (look.checkBox == CheckBoxPicture::None) {
        DrawCellText(*painter, look.text, static_cast<CellAlignment>(look.align), option.rect,
                     look.red ? QColor(255, 0, 0) : text, look.bold ? QFont::Bold : QFont::Normal);
    }
    if (option.state.testFlag(QStyle::State_HasFocus)) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.rect = option.rect.adjusted(1, 1, -1, -1);
        QApplication::style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter,
                                             option.widget);
    }
}

QWidget* GateCellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem&,
                                        const QModelIndex& index) const {
    auto* editor = new QLineEdit(parent);
    editor->setFrame(false);
    editor->setAlignment(index.column() == ColName ? Qt::AlignLeft | Qt::AlignVCenter
                                                   : Qt::AlignRight | Qt::AlignVCenter);
    return editor;
}
