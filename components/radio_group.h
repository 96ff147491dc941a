#pragma once
// A captioned group of mutually exclusive options. Its click reaction (clicked) runs both
// when the user picks an option and when the program sets one with setItemIndex, which
// the windows rely on: writing a choice from the program does what the user's click does.

#include <QGroupBox>
#include <QStringList>
#include <vector>

class QGridLayout;
class QRadioButton;

class RadioGroup : public QGroupBox {
    Q_OBJECT
  public:
    explicit RadioGroup(const QString& caption, const QStringList& items = {}, QWidget* parent = nullptr);

    void addItem(const QString& text);
    // The options in `columns` columns, filled down each column first (two options in two
    // columns stand side by side); 1, the start, stacks them.
    void setColumns(int columns);
    int columns() const { return columns_; }
    int count() const { return static_cast<int>(buttons_.size()); }
    QString itemText(int index) const;
    QRadioButton* button(int index) const;

    // -1 when no option is chosen.
    int itemIndex() const { return itemIndex_; }
    // Chooses an option and runs the click reaction when the choice changes; -1 (or any
    // negative index) clears the choice without a reaction; an index past the last option
    // chooses the last one.
    void setItemIndex(int index);

  signals:
    void clicked(int index);

  private:
    void onButtonToggled(int index, bool checked);
    void placeButtons();

    QGridLayout* layout_;
    int columns_ = 1;
    std::vector<QRadioButton*> buttons_;
    int itemIndex_ = -1;
};
