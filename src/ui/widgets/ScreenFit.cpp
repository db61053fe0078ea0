#include "ui/widgets/ScreenFit.h"

#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace vaz {

namespace {

QScrollArea *scrolling(QWidget *content, QWidget *parent)
{
    auto *scroll = new QScrollArea(parent);
    scroll->setObjectName(QStringLiteral("FitScroll"));
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    // Not a stop of its own in the Tab order: the controls inside are.
    scroll->setFocusPolicy(Qt::NoFocus);
    scroll->setWidget(content);
    return scroll;
}

double luminance(const QColor &c)
{
    auto channel = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) + 0.0722 * channel(c.blueF());
}

QColor mixed(const QColor &a, const QColor &b, double share)
{
    return QColor::fromRgbF(float(a.redF() * share + b.redF() * (1 - share)),
                            float(a.greenF() * share + b.greenF() * (1 - share)),
                            float(a.blueF() * share + b.blueF() * (1 - share)));
}

}  // namespace

void fitToScreen(QWidget *window)
{
    // A window nobody sized has Qt's default size, not a wish of its own.
    const bool sized = window->testAttribute(Qt::WA_Resized);
    QSize wanted;
    if (auto *main = qobject_cast<QMainWindow *>(window)) {
        QWidget *central = main->centralWidget();
        if (!central)
            return;
        wanted = sized ? main->size() : main->sizeHint();
        main->setCentralWidget(scrolling(main->takeCentralWidget(), main));
    } else if (QLayout *content = window->layout()) {
        wanted = sized ? window->sizeHint().expandedTo(window->size()) : window->sizeHint();
        auto *inner = new QWidget;
        inner->setLayout(content);  // takes the layout, and the controls with it
        auto *outer = new QVBoxLayout(window);
        outer->setContentsMargins(0, 0, 0, 0);
        outer->addWidget(scrolling(inner, window));
    } else {
        return;
    }
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        window->resize(wanted.boundedTo(screen->availableSize()));
}

void growToContent(QWidget *window)
{
    auto *scroll = window->findChild<QScrollArea *>(QStringLiteral("FitScroll"), Qt::FindDirectChildrenOnly);
    QWidget *content = scroll ? scroll->widget() : nullptr;
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!content || !screen)
        return;
    const QSize hint = content->sizeHint();
    const int width = std::max(window->width(), hint.width());
    int height = hint.height();
    // A wrapped text needs its height at the width it gets, not at its hint's.
    if (QLayout *l = content->layout(); l && l->hasHeightForWidth())
        height = std::max(height, l->totalHeightForWidth(width));
    window->resize(QSize(width, std::max(window->height(), height)).boundedTo(screen->availableSize()));
}

QPalette readablePalette(QPalette palette)
{
    constexpr double kReadable = 4.5;
    for (const auto &[text, back] :
         {std::pair{QPalette::Text, QPalette::Base}, std::pair{QPalette::WindowText, QPalette::Window},
          std::pair{QPalette::ButtonText, QPalette::Button}}) {
        const QColor background = palette.color(QPalette::Disabled, back);
        const QColor normal = palette.color(QPalette::Active, text);
        // Toward the normal text colour until readable, but still told apart from it.
        for (double share = 0.5; share <= 1.0; share += 0.05) {
            const QColor candidate = mixed(normal, background, share);
            palette.setColor(QPalette::Disabled, text, candidate);
            if (contrast(candidate, background) >= kReadable)
                break;
        }
    }
    return palette;
}

double contrast(const QColor &a, const QColor &b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

}  // namespace vaz
