#include "components/radio_group.h"

#include <QGridLayout>
#include <QRadioButton>
#include <algorithm>

RadioGroup::RadioGroup(const QString& caption, const QStringList& items, QWidget* parent)
    : QGroupBox(caption, parent), layout_(new QGridLayout(this)) {
    for (const QString& item : items) addItem(item);
}

void RadioGroup::addItem(const QString& text) {
    // Exclusive like any radio group (screen readers then name the items radio buttons); the
    // choice is cleared by lifting the exclusion for a moment (itemIndex -1).
    auto* button = new QRadioButton(text, this);
    const int index = count();
    buttons_.push_back(button);
    placeButtons();
    connect(button, &QRadioButton::toggled, this,
            [this, index](bool checked) { onButtonToggled(index, checked); });
}

void RadioGroup::setColumns(int columns) {
    columns_ = std::max(1, columns);
    placeButtons();
}

void RadioGroup::placeButtons() {
    for (QRadioButton* b : buttons_) layout_->removeWidget(b);
    const int rows = (count() + columns_ - 1) / columns_;
    for (int i = 0; i < count(); ++i)
        layout_->addWidget(buttons_[static_cast<std::size_t>(i)], i % rows, i / rows);
}

QString RadioGroup::itemText(int index) const {
    return index >= 0 && index < count() ? buttons_[static_cast<std::size_t>(index)]->text() : QString();
}

QRadioButton* RadioGroup::button(int index) const {
    return index >= 0 && index < count() ? buttons_[static_cast<std::size_t>(index)] : nullptr;
}

void RadioGroup::setItemIndex(int index) {
    if (index < 0) index = -1;
    if (index >= count()) index = count() - 1;
    if (index == itemIndex_) return;
    if (index < 0) {
        const int old = itemIndex_;
        itemIndex_ = -1;
        if (QRadioButton* b = button(old)) {
            b->setAutoExclusive(false);
            b->setChecked(false);
            b->setAutoExclusive(true);
        }
    } else {
        buttons_[static_cast<std::size_t>(index)]->setChecked(true);  // reaction in onButtonToggled
    }
}

void RadioGroup::onButtonToggled(int index, bool checked) {
    // The exclusive buttons uncheck the former choice themselves; only the new one reacts.
    if (!checked || index == itemIndex_) return;
    itemIndex_ = index;
    emit clicked(index);
}
