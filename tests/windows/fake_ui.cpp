#include "tests/windows/fake_ui.h"

#include <QDialog>

namespace {

QString describe(const FakeUi::Shown& s) {
    return QStringLiteral("%1 \"%2\" \"%3\"").arg(s.kind, s.caption, s.text);
}

}  // namespace

void FakeUi::expectMessage(const QString& caption, const QString& text, std::optional<MsgIcon> icon,
                           MsgResult answer) {
    Expectation e;
    e.kind = QStringLiteral("message");
    e.caption = caption;
    e.text = text;
    e.icon = icon;
    e.answer = answer;
    queue_.push_back(e);
}

void FakeUi::expectMessageContaining(const QString& caption, const QString& part, MsgResult answer) {
    Expectation e;
    e.kind = QStringLiteral("message");
    e.caption = caption;
    e.text = part;
    e.partialText = true;
    e.answer = answer;
    queue_.push_back(e);
}

void FakeUi::expectOpenFile(const QString& answer) {
    Expectation e;
    e.kind = QStringLiteral("open");
    e.fileAnswer = answer;
    queue_.push_back(e);
}

void FakeUi::expectSaveFile(const QString& answer) {
    Expectation e;
    e.kind = QStringLiteral("save");
    e.fileAnswer = answer;
    queue_.push_back(e);
}

void FakeUi::expectFolder(const QString& answer) {
    Expectation e;
    e.kind = QStringLiteral("folder");
    e.fileAnswer = answer;
    queue_.push_back(e);
}

void FakeUi::expectColour(std::optional<QColor> answer) {
    Expectation e;
    e.kind = QStringLiteral("colour");
    e.colourAnswer = answer;
    queue_.push_back(e);
}

void FakeUi::expectModal(const QString& objectName, std::function<int(QDialog*)> handler) {
    Expectation e;
    e.kind = QStringLiteral("modal");
    e.text = objectName;
    e.modal = std::move(handler);
    queue_.push_back(e);
}

QStringList FakeUi::problems() const {
    QStringList all = failures_;
    for (const Expectation& e : queue_) {
        all << QStringLiteral("announced but never shown: %1 \"%2\" \"%3\"").arg(e.kind, e.caption, e.text);
    }
    return all;
}

void FakeUi::reset() {
    queue_.clear();
    shown_.clear();
    failures_.clear();
}

std::optional<FakeUi::Expectation> FakeUi::take(const Shown& shown) {
    shown_.push_back(shown);
    if (queue_.empty() || queue_.front().kind != shown.kind) {
        failures_ << QStringLiteral("unexpected %1").arg(describe(shown));
        return std::nullopt;
    }
    Expectation e = queue_.front();
    queue_.pop_front();
    return e;
}

MsgResult FakeUi::message(QWidget*, const QString& caption, const QString& text, MsgIcon icon,
                          MsgButtons buttons) {
    // A question left unanswered changes nothing: No, or Cancel where the box offers it.
    const MsgResult safe = buttons == MsgButtons::YesNo         ? MsgResult::No
                           : buttons == MsgButtons::YesNoCancel ? MsgResult::Cancel
                                                                : MsgResult::Ok;
    const auto e = take({QStringLiteral("message"), caption, text, icon, buttons});
    if (!e) return safe;
    const bool textMatches = e->partialText ? text.contains(e->text) : text == e->text;
    if (e->caption != caption || !textMatches || (e->icon && *e->icon != icon)) {
        failures_ << QStringLiteral("message \"%1\" \"%2\" (icon %3) shown where \"%4\" \"%5\" was announced")
                         .arg(caption, text)
                         .arg(static_cast<int>(icon))
                         .arg(e->caption, e->text);
        return safe;
    }
    const bool answerFits = buttons == MsgButtons::YesNo
                                ? e->answer == MsgResult::Yes || e->answer == MsgResult::No
                            : buttons == MsgButtons::YesNoCancel ? e->answer != MsgResult::Ok
                                                                 : e->answer == MsgResult::Ok;
    if (!answerFits) {
        failures_
            << QStringLiteral("message \"%1\" has other buttons than its announced answer").arg(caption);
        return safe;
    }
    return e->answer;
}

QString FakeUi::openFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter) {
    const auto e = take({QStringLiteral("open"), caption, filter, MsgIcon::None, MsgButtons::Ok, dir});
    return e ? e->fileAnswer : QString();
}

QString FakeUi::saveFileName(QWidget*, const QString& caption, const QString& dir, const QString& filter,
                             const QString&) {
    const auto e = take({QStringLiteral("save"), caption, filter, MsgIcon::None, MsgButtons::Ok, dir});
    return e ? e->fileAnswer : QString();
}

QString FakeUi::folderName(QWidget*, const QString& caption, const QString& dir) {
    const auto e = take({QStringLiteral("folder"), caption, QString(), MsgIcon::None, MsgButtons::Ok, dir});
    return e ? e->fileAnswer : QString();
}

std::optional<QColor> FakeUi::colour(QWidget*, const QColor&) {
    const auto e = take({QStringLiteral("colour"), QString(), QString()});
    return e ? e->colourAnswer : std::nullopt;
}

int FakeUi::runModal(QDialog* dialog) {
    const auto e = take({QStringLiteral("modal"), dialog->windowTitle(), dialog->objectName()});
    if (!e) return QDialog::Rejected;
    if (e->text != dialog->objectName()) {
        failures_ << QStringLiteral("modal window %1 shown where %2 was announced")
                         .arg(dialog->objectName(), e->text);
        return QDialog::Rejected;
    }
    return e->modal ? e->modal(dialog) : QDialog::Rejected;
}
