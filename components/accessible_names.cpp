#include "components/accessible_names.h"

#include <QAccessibleInterface>
#include <QWidget>

const char* controlKind(QAccessible::Role role) {
    switch (role) {
        case QAccessible::EditableText:
            return "caixa de texto";
        case QAccessible::SpinBox:
            return "caixa numérica";
        case QAccessible::ComboBox:
            return "lista suspensa";
        case QAccessible::CheckBox:
            return "caixa de seleção";
        case QAccessible::RadioButton:
            return "opção";
        case QAccessible::PushButton:
        case QAccessible::ButtonMenu:
        case QAccessible::ButtonDropDown:
            return "botão";
        case QAccessible::Table:
        case QAccessible::Tree:
            return "tabela";
        case QAccessible::List:
            return "lista";
        case QAccessible::Chart:
        case QAccessible::Graphic:
            return "gráfico";
        case QAccessible::Slider:
            return "controle deslizante";
        case QAccessible::ProgressBar:
            return "barra de progresso";
        case QAccessible::PageTab:
            return "aba";
        case QAccessible::MenuItem:
            return "menu";
        default:
            return nullptr;
    }
}

namespace {

// A group box holding options is the question the options answer: it needs a name too.
bool isOptionGroup(QAccessibleInterface* iface) {
    if (iface->role() != QAccessible::Grouping) return false;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (child && child->role() == QAccessible::RadioButton) return true;
    }
    return false;
}

// Tables, lists and lists' pop-ups are named as a whole: their cells and items are their data.
bool namedAsWhole(QAccessible::Role role) {
    return role == QAccessible::Table || role == QAccessible::List || role == QAccessible::Tree ||
           role == QAccessible::ComboBox;
}

// What a screen reader names a control by. On Linux Qt gives a list's current item as its name
// and tells what the list is through the label bound to it (or its titled group box); other
// systems read its accessible name. A list needs that label, or else both an accessible name
// and a description.
QString spokenName(QAccessibleInterface* iface) {
    if (iface->role() != QAccessible::ComboBox) return iface->text(QAccessible::Name).trimmed();
    QStringList labels;
    for (const auto& [label, relation] : iface->relations(QAccessible::Label)) {
        if (label && !label->text(QAccessible::Name).trimmed().isEmpty())
            labels << label->text(QAccessible::Name).trimmed();
    }
    if (!labels.isEmpty()) return labels.join(QStringLiteral(", "));
    const auto* widget = qobject_cast<const QWidget*>(iface->object());
    const QString description = iface->text(QAccessible::Description).trimmed();
    if (!widget || widget->accessibleName().trimmed().isEmpty() || description.isEmpty()) return {};
    return widget->accessibleName().trimmed() + QStringLiteral(" (") + description + QLatin1Char(')');
}

QString describe(QAccessibleInterface* iface, const QString& path, const char* kind) {
    QObject* object = iface->object();
    const QString cls = object ? QString::fromLatin1(object->metaObject()->className()) : QStringLiteral("?");
    return path + QStringLiteral(" (") + cls + QStringLiteral(", ") + QString::fromUtf8(kind) +
           QLatin1Char(')');
}

void walk(QAccessibleInterface* iface, const QString& path, AccessibleControls& out, int depth) {
    if (!iface || depth > 64) return;
    const QAccessible::Role role = iface->role();
    const char* kind = isOptionGroup(iface) ? "grupo de opções" : controlKind(role);
    if (kind) {
        const QString name = spokenName(iface);
        (name.isEmpty() ? out.unnamed : out.named)
            << describe(iface, path, kind) + QStringLiteral(": ") + name;
    }
    if (namedAsWhole(role)) return;
    for (int i = 0; i < iface->childCount(); ++i) {
        QAccessibleInterface* child = iface->child(i);
        if (!child) continue;
        QObject* object = child->object();
        const QString name = object && !object->objectName().isEmpty()
                                 ? object->objectName()
                                 : QStringLiteral("#") + QString::number(i);
        walk(child, path + QLatin1Char('/') + name, out, depth + 1);
    }
}

}  // namespace

AccessibleControls accessibleControls(QWidget* window) {
    AccessibleControls out;
    walk(QAccessible::queryAccessibleInterface(window), window->objectName(), out, 0);
    return out;
}
