#include "dialogs/ButtonFinish.h"

#include <QAbstractButton>
#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionButton>

#include "assets/ButtonFace.h"

namespace spindora {
namespace {

class ButtonFinishStyle final : public QProxyStyle {
public:
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
        if (element != CE_PushButton || !button) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        paint::ButtonLook look;
        look.down = button->state & (State_Sunken | State_On);
        look.hovered = button->state & State_MouseOver;
        look.enabled = button->state & State_Enabled;
        look.focused = button->state & State_HasFocus;
        paint::PaintButtonFace(*painter, QRectF(button->rect), look);

        QStyleOptionButton label(*button);
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            label.palette.setColor(group, QPalette::ButtonText,
                                   paint::ButtonInk(group != QPalette::Disabled));
        // A pressed button's caption sinks with it.
        if (look.down) label.rect.translate(1, 1);
        QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);
    }
};

// One style for every button; it lives as long as the application.
QStyle* SharedStyle() {
    static QPointer<ButtonFinishStyle> style;
    if (!style) {
        style = new ButtonFinishStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

void GiveGameFinish(QAbstractButton* button) {
    button->setStyle(SharedStyle());
    // The face lightens under the mouse.
    button->setAttribute(Qt::WA_Hover);
}

}  // namespace spindora
