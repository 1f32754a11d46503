#include "basic/random.h"
#include "exercise/draw.h"
#include "exercise/level.h"
#include "shell/startup.h"
#include "ui/form.h"

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QMdiSubWindow>

#include <cstdio>
#include <memory>

namespace {

// Every draw the same, so that every start on a level draws the same division.
class SameDraws final : public basic::RandomSource {
public:
    void reseedFromClock() override {}
    float draw() override { return 0.5f; }
};

void say(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// "shown NAME LEFT TOP WIDTH HEIGHT": a window of the program as it appears, its outer frame in
// the screen's device pixels (a document window: its frame inside the main window).
class Reporter : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show &&
            (qobject_cast<ui::Form *>(watched) || qobject_cast<QMainWindow *>(watched)))
            report(static_cast<QWidget *>(watched));
        return false;
    }

private:
    static void report(QWidget *form)
    {
        auto *asForm = qobject_cast<ui::Form *>(form);
        QWidget *outer = asForm ? asForm->windowWidget() : form;
        QRect frame = outer->frameGeometry();
        if (!outer->isWindow())
            frame.moveTopLeft(outer->parentWidget()->mapToGlobal(frame.topLeft()));
        const qreal ratio = outer->devicePixelRatioF();
        say(QStringLiteral("shown %1 %2 %3 %4 %5")
                .arg(form->objectName())
                .arg(qRound(frame.left() * ratio))
                .arg(qRound(frame.top() * ratio))
                .arg(qRound(frame.width() * ratio))
                .arg(qRound(frame.height() * ratio))
                .toUtf8());
    }
};

} // namespace

// rekenrups as tests/windows/road.sh drives it in real windows under Wine: the program's own
// start-up code and windows, drawing from a source that always draws the same, and telling on
// standard output the division of the first level ("division DIVIDEND DIVISOR QUOTIENT REST"),
// every window it shows and every move of the focus ("focus NAME"), so that the road knows the
// right answer and where it stands without reading the screen.
int main(int argc, char *argv[])
{
    StartupHooks hooks;
    hooks.random = [] { return std::make_unique<SameDraws>(); };
    hooks.beforeStart = [](QApplication &app, Program &) {
        SameDraws same;
        const exercise::Division first = exercise::drawDivision(exercise::levels().front().draw, same);
        say(QStringLiteral("division %1 %2 %3 %4")
                .arg(first.deeltal)
                .arg(first.deler)
                .arg(first.quotient)
                .arg(first.rest)
                .toUtf8());
        app.installEventFilter(new Reporter(&app));
        QObject::connect(&app, &QApplication::focusChanged, &app, [](QWidget *, QWidget *now) {
            if (now)
                say("focus " + now->objectName().toUtf8());
        });
    };
    const int code = runRekenrups(argc, argv, hooks);
    say("ended " + QByteArray::number(code));
    return code;
}
