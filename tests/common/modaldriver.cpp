#include "modaldriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QTest>

namespace {

QAbstractButton *fileDialogButton(QFileDialog *d, QDialogButtonBox::StandardButton which) {
    auto *box = d->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    return box ? box->button(which) : nullptr;
}

void click(QAbstractButton *b) {
    if (b)
        QTest::mouseClick(b, Qt::LeftButton);
}

void acceptFileDialog(QFileDialog *d, const QString &path) {
    auto *edit = d->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    if (edit)
        edit->setText(path);
    const auto which = d->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                  : QDialogButtonBox::Open;
    QAbstractButton *b = fileDialogButton(d, which);
    if (b && b->isEnabled())
        click(b);
    else if (edit)
        QTest::keyClick(edit, Qt::Key_Return);
}

void cancelFileDialog(QFileDialog *d) {
    QAbstractButton *b = fileDialogButton(d, QDialogButtonBox::Cancel);
    if (b)
        click(b);
    else
        d->reject();
}

QStringList listedFiles(QFileDialog *d) {
    auto *view = d->findChild<QListView *>(QStringLiteral("listView"));
    if (!view || !view->model())
        return {};
    // The folder is read by a thread of the file system model: wait for the rows to come.
    QElapsedTimer t;
    t.start();
    while (view->model()->rowCount(view->rootIndex()) == 0 && t.elapsed() < 3000)
        QTest::qWait(20);
    QStringList names;
    for (int r = 0; r < view->model()->rowCount(view->rootIndex()); ++r)
        names << view->model()->index(r, 0, view->rootIndex()).data().toString();
    names.sort();
    return names;
}

} // namespace

ModalDriver::ModalDriver() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, &ModalDriver::poll);
    timer_.start();
}

void ModalDriver::press(QMessageBox::StandardButton button) {
    answers_.append([button](QWidget *w, int) {
        if (auto *box = qobject_cast<QMessageBox *>(w)) {
            if (QAbstractButton *b = box->button(button)) {
                click(b);
                return;
            }
        }
        if (auto *d = qobject_cast<QDialog *>(w))
            d->reject();
    });
}

void ModalDriver::fileAnswer(std::function<void(QFileDialog *, int)> act) {
    answers_.append([act](QWidget *w, int index) {
        if (auto *d = qobject_cast<QFileDialog *>(w))
            act(d, index);
        else if (auto *d = qobject_cast<QDialog *>(w))
            d->reject(); // not the dialog the test expected; recorded all the same
    });
}

void ModalDriver::choose(const QString &path) {
    fileAnswer([path](QFileDialog *d, int) { acceptFileDialog(d, path); });
}

void ModalDriver::cancel() {
    fileAnswer([](QFileDialog *d, int) { cancelFileDialog(d); });
}

void ModalDriver::listThenCancel() {
    fileAnswer([this](QFileDialog *d, int index) {
        const QStringList names = listedFiles(d);
        seen_[index].listed = names;
        cancelFileDialog(d);
    });
}

void ModalDriver::then(std::function<void(QWidget *)> act) {
    answers_.append([act](QWidget *w, int) { act(w); });
}

int ModalDriver::count(const QString &kind) const {
    int n = 0;
    for (const Seen &s : seen_)
        n += s.kind == kind;
    return n;
}

QStringList ModalDriver::messages() const {
    QStringList out;
    for (const Seen &s : seen_)
        if (s.kind == QLatin1String("msgbox"))
            out << s.text;
    return out;
}

void ModalDriver::closeUnanswered(QWidget *w, int) {
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
        QAbstractButton *b = box->button(QMessageBox::Yes);
        if (!b)
            b = box->button(QMessageBox::Ok);
        if (b)
            click(b);
        else
            box->reject();
    } else if (auto *d = qobject_cast<QFileDialog *>(w)) {
        cancelFileDialog(d);
    } else if (auto *d = qobject_cast<QDialog *>(w)) {
        d->reject();
    }
}

void ModalDriver::poll() {
    QWidget *w = QApplication::activeModalWidget();
    if (!w || !w->isVisible())
        return;
    for (const auto &h : handled_)
        if (h == w)
            return;
    handled_.removeAll(nullptr);
    handled_.append(w);

    Seen seen;
    seen.title = w->windowTitle();
    if (auto *box = qobject_cast<QMessageBox *>(w)) {
        seen.kind = QStringLiteral("msgbox");
        seen.text = box->text();
        seen.icon = box->icon();
        auto *buttons = box->findChild<QDialogButtonBox *>();
        const QList<QAbstractButton *> list = buttons ? buttons->buttons() : box->buttons();
        for (QAbstractButton *b : list)
            seen.buttons << b->text();
    } else if (auto *d = qobject_cast<QFileDialog *>(w)) {
        seen.kind = d->acceptMode() == QFileDialog::AcceptSave ? QStringLiteral("save")
                                                               : QStringLiteral("open");
        seen.filters = d->nameFilters();
        seen.suffix = d->defaultSuffix();
    } else {
        seen.kind = QString::fromLatin1(w->metaObject()->className());
    }

    const int index = int(seen_.size());
    seen_.append(seen);
    Answer answer =
        answers_.isEmpty() ? Answer(&ModalDriver::closeUnanswered) : answers_.takeFirst();
    // Answered from a queued call, not from this timer's slot: Qt does not fire a timer again
    // while its slot runs, and the answer may open a dialog of its own that needs the next poll.
    QPointer<QWidget> target(w);
    QMetaObject::invokeMethod(
        this,
        [target, answer, index] {
            if (target)
                answer(target, index);
        },
        Qt::QueuedConnection);
}
