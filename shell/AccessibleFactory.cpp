#include "shell/AccessibleFactory.h"

#include <QAccessibleWidget>

#include "dialogs/HighscoreAccessible.h"
#include "dialogs/HighscoreTable.h"
#include "dialogs/NameBox.h"
#include "dialogs/NameBoxAccessible.h"
#include "dialogs/THighscoreDlg.h"
#include "shell/BoardAccessible.h"
#include "shell/ClockWidget.h"
#include "shell/ToolButtonAccessible.h"
#include "shell/WindowAccessible.h"

namespace spindora {
namespace {

class ClockAccessible final : public QAccessibleWidget {
public:
    explicit ClockAccessible(ClockWidget* clock) : QAccessibleWidget(clock) {}
    QString text(QAccessible::Text t) const override {
        const auto* clock = static_cast<const ClockWidget*>(widget());
        return t == QAccessible::Description && clock->describe ? clock->describe() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // Qt asks once for each class up the hierarchy, the object's own first.
    if (className == QLatin1String("spindora::TMainForm")) return new WindowAccessible(widget);
    if (className == QLatin1String("spindora::BoardWidget")) return new BoardAccessible(widget);
    // The plain panel the tool-bar buttons stand on.
    if (className == QLatin1String("QWidget") && widget->objectName() == QLatin1String("ToolPanel"))
        return new QAccessibleWidget(widget, QAccessible::ToolBar);
    if (className == QLatin1String("spindora::ToolButton"))
        return new ToolButtonAccessible(static_cast<QAbstractButton*>(widget));
    if (className == QLatin1String("spindora::ClockWidget"))
        return new ClockAccessible(static_cast<ClockWidget*>(widget));
    if (className == QLatin1String("spindora::THighscoreDlg"))
        return MakeHighscoreAccessible(static_cast<THighscoreDlg*>(widget));
    if (className == QLatin1String("spindora::HighscoreTable"))
        return MakeHighscoreTableAccessible(static_cast<HighscoreTable*>(widget));
    if (className == QLatin1String("spindora::NameBox")) return MakeNameBoxAccessible(static_cast<NameBox*>(widget));
    return nullptr;
}

}  // namespace

void InstallAccessibleFactory() { QAccessible::installFactory(&MakeAccessible); }

}  // namespace spindora
