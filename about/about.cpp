#include "about.h"

#include "centring.h"
#include "fonts.h"

#include <QDialog>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

namespace quimbel {

namespace {

constexpr int twipsPerPixel = 15;

// OK is not a cancel button, so Escape does not close the box; OK and the
// title bar's close button do.
class AboutWindow final : public QDialog {
public:
    AboutWindow()
        : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint) {}

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() != Qt::Key_Escape)
            QDialog::keyPressEvent(event);
    }
};

QLabel* centredLabel(QDialog* dialog, const char* name, QRect geometry) {
    auto* label = new QLabel(dialog);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setAutoFillBackground(true);
    return label;
}

// Centres the window, frame included, on the primary screen.
void centre(QDialog* dialog) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = dialog->frameGeometry().size();
    const auto position = [](int screenPixels, int outerPixels) {
        return centredPosition(double(screenPixels) * twipsPerPixel,
                               double(outerPixels) * twipsPerPixel) /
               twipsPerPixel;
    };
    dialog->move(screen.x() + position(screen.width(), outer.width()),
                 screen.y() + position(screen.height(), outer.height()));
}

} // namespace

About::~About() {
    delete window_;
}

void About::load() {
    if (window_)
        return;
    installFontSubstitutes();
    window_ = new AboutWindow;
    window_->setObjectName(QStringLiteral("About"));
    window_->setAttribute(Qt::WA_DeleteOnClose);
    window_->setWindowTitle(QStringLiteral("À propos"));
    window_->resize(312, 213);

    // Created bottom to top: lblApplication lies over lblHeading where they meet.
    lblHeading = centredLabel(window_, "lblHeading", {0, 16, 313, 57});
    lblHeading->setFont(designFont(13.5, false));
    lblHeading->setWordWrap(true);
    lblApplication = centredLabel(window_, "lblApplication", {8, 64, 313, 25});
    lblApplication->setFont(designFont(13.5, true));
    lblCopyright = centredLabel(window_, "lblCopyright", {0, 120, 313, 25});

    auto* line1 = new QFrame(window_);
    line1->setObjectName(QStringLiteral("Line1"));
    line1->setGeometry(32, 112, 233, 1);
    line1->setAutoFillBackground(true);
    line1->setBackgroundRole(QPalette::WindowText);

    auto* cmdOK = new QPushButton(QStringLiteral("OK"), window_);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setGeometry(128, 152, 73, 33);
    cmdOK->setAutoDefault(false);
    cmdOK->setDefault(false);
    QObject::connect(cmdOK, &QPushButton::clicked, window_, &QDialog::close);
    cmdOK->setFocus();

    window_->winId(); // the frame is known once the native window exists
    centre(window_);
    lblApplication->setText(QStringLiteral("- Application -"));
    lblHeading->setText(QStringLiteral("- Heading -"));
    lblCopyright->setText(QStringLiteral("- Copyright -"));
}

void About::setApplication(const QString& text) {
    load();
    lblApplication->setText(text);
}

void About::setHeading(const QString& text) {
    load();
    lblHeading->setText(text);
}

void About::setCopyright(const QString& text) {
    load();
    lblCopyright->setText(QStringLiteral("Copyright © ") + text);
}

void About::Display() {
    load();
    // exec() deletes a delete-on-close dialog once it returns.
    window_->exec();
}

} // namespace quimbel
