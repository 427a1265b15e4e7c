#include "shell/AccessibleFactory.h"

#include <QAccessibleWidget>

#include "dialogs/HighscoreAccessible.h"
#include "dialogs/THighscoreDlg.h"
#include "shell/BoardAccessible.h"
#include "shell/ToolButtonAccessible.h"

namespace spindora {
namespace {

QAccessibleInterface* MakeAccessible(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // Qt asks once for each class up the hierarchy, the object's own first.
    if (className == QLatin1String("spindora::TMainForm")) return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("spindora::BoardWidget")) return new BoardAccessible(widget);
    // The plain panel the tool-bar buttons stand on.
    if (className == QLatin1String("QWidget") && widget->objectName() == QLatin1String("ToolPanel"))
        return new QAccessibleWidget(widget, QAccessible::ToolBar);
    if (className == QLatin1String("spindora::ToolButton"))
        return new ToolButtonAccessible(static_cast<QAbstractButton*>(widget));
    if (className == QLatin1String("spindora::THighscoreDlg"))
        return MakeHighscoreAccessible(static_cast<THighscoreDlg*>(widget));
    return nullptr;
}

}  // namespace

void InstallAccessibleFactory() { QAccessible::installFactory(&MakeAccessible); }

}  // namespace spindora
