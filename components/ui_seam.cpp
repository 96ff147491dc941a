#include "components/ui_seam.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace {

QMessageBox::Icon toQtIcon(MsgIcon icon) {
    switch (icon) {
        case MsgIcon::Error:
            return QMessageBox::Critical;
        case MsgIcon::Warning:
            return QMessageBox::Warning;
        case MsgIcon::Information:
            return QMessageBox::Information;
        case MsgIcon::Question:
            return QMessageBox::Question;
        case MsgIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

// Turns the program's "Arquivo CSV|*.csv" filters (description|pattern pairs) into Qt's
// "Arquivo CSV (*.csv)" form; a filter already in Qt's form passes unchanged.
QString toQtFilter(const QString& filter) {
    if (!filter.contains(QLatin1Char('|'))) return filter;
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        out << QStringLiteral("%1 (%2)").arg(
            parts[i], QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')));
    }
    return out.join(QStringLiteral(";;"));
}

class QtUiSeam final : public UiSeam {
  public:
    MsgResult message(QWidget* parent, const QString& caption, const QString& text, MsgIcon icon,
                      MsgButtons buttons) override {
        QMessageBox box(toQtIcon(icon), caption, text, QMessageBox::NoButton, parent);
        if (buttons == MsgButtons::YesNoCancel) {
            QPushButton* yes = box.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
            QPushButton* no = box.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
            QPushButton* cancel = box.addButton(QStringLiteral("Cancelar"), QMessageBox::RejectRole);
            box.setDefaultButton(yes);
            box.setEscapeButton(cancel);
            box.exec();
            if (box.clickedButton() == yes) return MsgResult::Yes;
            return box.clickedButton() == no ? MsgResult::No : MsgResult::Cancel;
        }
        if (buttons == MsgButtons::YesNo) {
            box.addButton(QStringLiteral("Sim"), QMessageBox::YesRole);
            QPushButton* no = box.addButton(QStringLiteral("Não"), QMessageBox::NoRole);
            box.setDefaultButton(no);
            box.setEscapeButton(no);
            box.exec();
            return box.buttonRole(box.clickedButton()) == QMessageBox::YesRole ? MsgResult::Yes
                                                                               : MsgResult::No;
        }
        box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
        box.exec();
        return MsgResult::Ok;
    }

    QString openFileName(QWidget* parent, const QString& caption, const QString& dir,
                         const QString& filter) override {
        return QFileDialog::getOpenFileName(parent, caption, dir, toQtFilter(filter));
    }

    QString saveFileName(QWidget* parent, const QString& caption, const QString& dir, const QString& filter,
                         const QString& defaultSuffix) override {
        QFileDialog dialog(parent, caption, dir, toQtFilter(filter));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(defaultSuffix);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
        return dialog.selectedFiles().constFirst();
    }

    QString folderName(QWidget* parent, const QString& caption, const QString& dir) override {
        return QFileDialog::getExistingDirectory(parent, caption, dir);
    }

    std::optional<QColor> colour(QWidget* parent, const QColor& initial) override {
        const QColor chosen = QColorDialog::getColor(initial, parent);
        if (!chosen.isValid()) return std::nullopt;
        return chosen;
    }
};

QtUiSeam& qtSeam() {
    static QtUiSeam seam;
    return seam;
}

UiSeam* installed = nullptr;

}  // namespace

namespace {

// The owner of a modal window while it is shown: a window without a parent of its own becomes
// the owner's child, so that it stands in front of it and the owner's modality does not block
// it. Its own parent comes back when it closes.
class ModalOwnerScope {
  public:
    ModalOwnerScope(QDialog* dialog, QWidget* owner) : dialog_(dialog) {
        // A window shown without modality (a file being read shows the pump window) is
        // hidden first: showing it again is what makes it modal.
        if (dialog->isVisible() && !dialog->isModal()) dialog->hide();
        if (!owner) owner = QApplication::activeModalWidget();
        if (!owner || dialog->parentWidget() || owner->window() == dialog) return;
        dialog->setParent(owner->window(), dialog->windowFlags());
        reparented_ = true;
    }
    ~ModalOwnerScope() {
        if (reparented_) dialog_->setParent(nullptr, dialog_->windowFlags());
    }
    ModalOwnerScope(const ModalOwnerScope&) = delete;
    ModalOwnerScope& operator=(const ModalOwnerScope&) = delete;

  private:
    QDialog* dialog_;
    bool reparented_ = false;
};

}  // namespace

int UiSeam::execModal(QDialog* dialog, QWidget* owner) {
    const ModalOwnerScope scope(dialog, owner);
    return runModal(dialog);
}

int UiSeam::runModal(QDialog* dialog) {
    // Once shown, the window takes the focus from the window it was opened from.
    QMetaObject::invokeMethod(
        dialog,
        [dialog] {
            dialog->raise();
            dialog->activateWindow();
        },
        Qt::QueuedConnection);
    return dialog->exec();
}

UiSeam& ui() {
    return installed ? *installed : static_cast<UiSeam&>(qtSeam());
}

void setUi(UiSeam* seam) {
    installed = seam;
}
