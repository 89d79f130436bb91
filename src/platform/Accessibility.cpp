#include "platform/Accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QGroupBox>
#include <QLabel>

#include "platform/ControlWidgets.h"
#include "platform/DialogWidget.h"

namespace {

// Labels

bool Contains(const ControlTemplate& outer, const ControlTemplate& inner) {
    return outer.x <= inner.x && outer.y <= inner.y && outer.x + outer.cx >= inner.x + inner.cx &&
           outer.y + outer.cy >= inner.y + inner.cy;
}

// The innermost group box around control `index`, or -1.
int GroupOf(const std::vector<ControlTemplate>& controls, size_t index) {
    int group = -1;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (i != index && controls[i].kind == ControlKind::GroupBox &&
            Contains(controls[i], controls[index]) &&
            (group < 0 || Contains(controls[static_cast<size_t>(group)], controls[i]))) {
            group = static_cast<int>(i);
        }
    }
    return group;
}

bool TakesItsNameFromALabel(ControlKind kind) {
    return kind == ControlKind::Edit || kind == ControlKind::TrackBar ||
           kind == ControlKind::DatePicker || kind == ControlKind::ListView;
}

// A one-line text beside the control, not one that only runs past it (a help text above an edit
// that stands to its right does not name it).
bool StandsLeftWithinTheLine(const ControlTemplate& text, const ControlTemplate& control) {
    return text.kind == ControlKind::Static && text.x + text.cx <= control.x &&
           text.y >= control.y && text.y + text.cy <= control.y + control.cy;
}

int LabelOf(const std::vector<ControlTemplate>& controls, size_t index) {
    const int group = GroupOf(controls, index);
    int label = -1;
    for (size_t i = 0; i < controls.size(); ++i) {
        const ControlTemplate& text = controls[i];
        if (StandsLeftWithinTheLine(text, controls[index]) && GroupOf(controls, i) == group &&
            (label < 0 || text.x + text.cx > controls[static_cast<size_t>(label)].x +
                                                 controls[static_cast<size_t>(label)].cx)) {
            label = static_cast<int>(i);
        }
    }
    return label;
}

// Interfaces

class SliderAccessible : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(SliderWidget* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::ValueInterface) {
            return static_cast<QAccessibleValueInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }
    // Desktop bridges that pass on only the number get the text as the description too.
    QString text(QAccessible::Text which) const override {
        const QString& valueText = Slider()->ValueText();
        const QString own = QAccessibleWidget::text(which);
        if (which == QAccessible::Value) {
            return valueText.isEmpty() ? QString::number(Slider()->value()) : valueText;
        }
        return which == QAccessible::Description && own.isEmpty() ? valueText : own;
    }

    QVariant currentValue() const override { return Slider()->value(); }
    void setCurrentValue(const QVariant& value) override { Slider()->MoveByUser(value.toInt()); }
    QVariant maximumValue() const override { return Slider()->maximum(); }
    QVariant minimumValue() const override { return Slider()->minimum(); }
    QVariant minimumStepSize() const override { return Slider()->singleStep(); }

private:
    SliderWidget* Slider() const { return static_cast<SliderWidget*>(widget()); }
};

bool SaysNothing(const QWidget* widget) {
    const auto* text = dynamic_cast<const StaticWidget*>(widget);
    return text != nullptr && text->text().isEmpty() && text->accessibleName().isEmpty();
}

class DialogAccessible : public QAccessibleWidget {
public:
    explicit DialogAccessible(DialogWidget* dialog)
        : QAccessibleWidget(dialog, dialog->isWindow() ? QAccessible::Dialog : QAccessible::Pane) {}

    int childCount() const override { return static_cast<int>(Children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QList<QWidget*> children = Children();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children[index])
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr ? static_cast<int>(Children().indexOf(child->object())) : -1;
    }

private:
    QList<QWidget*> Children() const {
        QList<QWidget*> children;
        for (QObject* object : widget()->children()) {
            auto* control = qobject_cast<QWidget*>(object);
            if (control != nullptr && !control->isWindow() && !SaysNothing(control)) {
                children.append(control);
            }
        }
        return children;
    }
};

QAccessibleInterface* LayerInterface(const QString& /*className*/, QObject* object) {
    if (auto* slider = dynamic_cast<SliderWidget*>(object)) {
        return new SliderAccessible(slider);
    }
    if (auto* dialog = dynamic_cast<DialogWidget*>(object)) {
        return new DialogAccessible(dialog);
    }
    return nullptr;
}

}  // namespace

void NameControlsByLabels(const DialogTemplate& dialog, const std::vector<QWidget*>& widgets) {
    const std::vector<ControlTemplate>& controls = dialog.controls;
    for (size_t i = 0; i < controls.size(); ++i) {
        if (!TakesItsNameFromALabel(controls[i].kind)) {
            continue;
        }
        if (const int label = LabelOf(controls, i); label >= 0) {
            auto* text = static_cast<QLabel*>(widgets[static_cast<size_t>(label)]);
            text->setBuddy(widgets[i]);
            text->stackUnder(widgets[i]);
        } else if (const int group = GroupOf(controls, i); group >= 0) {
            widgets[i]->setAccessibleName(
                static_cast<QGroupBox*>(widgets[static_cast<size_t>(group)])->title());
        }
    }
}

void InstallAccessibleInterfaces() {
    static const bool installed = [] {
        QAccessible::installFactory(LayerInterface);
        return true;
    }();
    static_cast<void>(installed);
}

namespace {
void (*g_announcementHook)(QAccessibleEvent&) = nullptr;
}  // namespace

void AnnounceChange(QAccessibleEvent& change) {
    if (g_announcementHook != nullptr) {
        g_announcementHook(change);
    }
    QAccessible::updateAccessibility(&change);
}

void SetAnnouncementHook(void (*hook)(QAccessibleEvent& change)) {
    g_announcementHook = hook;
}
