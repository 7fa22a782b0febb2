#include "ui/TKeyBoardForm.h"

#include "common/Prompter.h"
#include "ui/FormOpener.h"
#include "ui/GeneralError.h"
#include "ui/KeyboardModes.h"
#include "ui/TouchWidgets.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace pelora {

namespace {

constexpr int kKeyWidth = 62;
constexpr int kKeyHeight = 52;

// Object names of the keys that are not letters or digits.
QString keyName(QChar c) {
    switch (c.unicode()) {
    case '-': return QStringLiteral("btnKeyMinus");
    case ';': return QStringLiteral("btnKeySemicolon");
    case '\'': return QStringLiteral("btnKeyQuote");
    case ',': return QStringLiteral("btnKeyComma");
    case '.': return QStringLiteral("btnKeyDot");
    default: return QStringLiteral("btnKey") + c;
    }
}

} // namespace

TKeyBoardForm::TKeyBoardForm(KeyboardModes& modes, Prompter& prompter, QWidget* parent)
    : QDialog(parent), modes_(modes), prompter_(prompter) {
    setObjectName(QStringLiteral("KeyBoardForm"));
    setWindowTitle(QStringLiteral("KeyBoardForm"));
    setModal(true);

    edtScreen = new QLineEdit(this);
    edtScreen->setObjectName(QStringLiteral("edtScreen"));
    edtScreen->setMinimumHeight(kTouchHeight);
    QFont big = edtScreen->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    edtScreen->setFont(big);
    // Password entry shows a "*" for every character, whatever the style's own mark is.
    edtScreen->setStyleSheet(QStringLiteral("QLineEdit { lineedit-password-character: 42; }"));
    lblTarget = namedLabel(QString(), QStringLiteral("lblTarget"), this);
    lblTarget->hide();
    btnClose = touchButton(tr("Close"), QStringLiteral("btnClose"), this);
    btnClose->setMinimumWidth(100);
    auto* top = new QHBoxLayout;
    top->addWidget(edtScreen, 1);
    top->addWidget(btnClose);

    grpKeyboard = new QGroupBox(tr("Keyboard"), this);
    grpKeyboard->setObjectName(QStringLiteral("grpKeyboard"));
    auto* letters = new QVBoxLayout;
    static const char* const kRows[] = {"QWERTYUIOP", "ASDFGHJKL;'", "ZXCVBNM,.-"};
    for (const char* row : kRows) {
        auto* line = new QHBoxLayout;
        line->addStretch();
        for (const char* c = row; *c; ++c) {
            const QChar ch = QLatin1Char(*c);
            QPushButton* b = addKey(ch, keyName(ch), grpKeyboard);
            if (ch.isLetter())
                connect(b, &QPushButton::clicked, this, [this, ch] {
                    entry_.letter(ch);
                    showEntry();
                });
            else
                connect(b, &QPushButton::clicked, this, [this, ch] {
                    entry_.character(ch);
                    showEntry();
                });
            line->addWidget(b);
        }
        line->addStretch();
        letters->addLayout(line);
    }
    btnCaps = addKey(tr("Caps"), QStringLiteral("btnCaps"), grpKeyboard);
    btnSpace = addKey(tr("Space"), QStringLiteral("btnSpace"), grpKeyboard);
    btnBack = addKey(tr("<- Back"), QStringLiteral("btnBack"), grpKeyboard);
    btnEnter = addKey(tr("Enter"), QStringLiteral("btnEnter"), grpKeyboard);
    btnCaps->setMinimumWidth(kKeyWidth * 3 / 2);
    btnSpace->setMinimumWidth(kKeyWidth * 5);
    btnBack->setMinimumWidth(kKeyWidth * 3 / 2);
    btnEnter->setMinimumWidth(kKeyWidth * 2);
    connect(btnCaps, &QPushButton::clicked, this, [this] {
        entry_.toggleCaps();
        showCaps();
    });
    connect(btnSpace, &QPushButton::clicked, this, [this] {
        entry_.character(u' ');
        showEntry();
    });
    connect(btnBack, &QPushButton::clicked, this, [this] {
        entry_.back();
        showEntry();
    });
    connect(btnEnter, &QPushButton::clicked, this, &TKeyBoardForm::btnEnterClick);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QPushButton* b : {btnCaps, btnSpace, btnBack, btnEnter})
        bottom->addWidget(b);
    bottom->addStretch();
    letters->addLayout(bottom);

    auto* numbers = new QGridLayout;
    static constexpr char kDigits[] = "789456123";
    for (int i = 0; i < 9; ++i) {
        const QChar d = QLatin1Char(kDigits[i]);
        QPushButton* b = addKey(d, keyName(d), grpKeyboard);
        connect(b, &QPushButton::clicked, this, [this, d] {
            entry_.character(d);
            showEntry();
        });
        numbers->addWidget(b, i / 3, i % 3);
    }
    QPushButton* zero = addKey(QStringLiteral("0"), QStringLiteral("btnKey0"), grpKeyboard);
    QPushButton* point = addKey(QStringLiteral("."), QStringLiteral("btnKeyPoint"), grpKeyboard);
    for (QPushButton* b : {zero, point}) {
        const QChar c = b->text().front();
        connect(b, &QPushButton::clicked, this, [this, c] {
            entry_.character(c);
            showEntry();
        });
    }
    zero->setMinimumWidth(kKeyWidth * 2);
    numbers->addWidget(zero, 3, 0, 1, 2);
    numbers->addWidget(point, 3, 2);

    auto* keyboard = new QHBoxLayout(grpKeyboard);
    keyboard->addLayout(letters, 1);
    keyboard->addSpacing(16);
    keyboard->addLayout(numbers);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grpKeyboard, 1);

    connect(btnClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(edtScreen, &QLineEdit::textEdited, this, [this](const QString& typed) {
        entry_.setText(typed);
        showCaps();
    });
    connect(edtScreen, &QLineEdit::returnPressed, this, &TKeyBoardForm::btnEnterClick);

    entry_.reset(QString());
    showEntry();
}

QPushButton* TKeyBoardForm::addKey(const QString& caption, const QString& name, QWidget* parent) {
    QPushButton* b = touchButton(caption, name, parent);
    b->setMinimumSize(kKeyWidth, kKeyHeight);
    keys_.push_back(b);
    return b;
}

void TKeyBoardForm::setMode(const QString& mode) { lblTarget->setText(mode); }

QString TKeyBoardForm::mode() const { return lblTarget->text(); }

void TKeyBoardForm::setPrefill(const QString& text) {
    entry_.reset(text);
    showEntry();
}

void TKeyBoardForm::setMasked(bool masked) {
    edtScreen->setEchoMode(masked ? QLineEdit::Password : QLineEdit::Normal);
}

void TKeyBoardForm::setCapsOff() {
    entry_.capsOff();
    showCaps();
}

QPushButton* TKeyBoardForm::key(const QString& caption) const {
    for (QPushButton* b : keys_)
        if (b->text() == caption)
            return b;
    return nullptr;
}

void TKeyBoardForm::showEntry() {
    edtScreen->setText(entry_.text());
    edtScreen->setCursorPosition(static_cast<int>(entry_.text().size()));
    showCaps();
}

void TKeyBoardForm::showCaps() { setCaptionRed(btnCaps, entry_.caps() == KeyboardEntry::Caps::Lock); }

void TKeyBoardForm::btnEnterClick() {
    const KeyboardModes::Entry* entry = modes_.find(mode());
    if (!entry) {
        accept(); // nothing answers this mode
        return;
    }
    const QString typed = entry_.text();
    if (entry->closing == KeyboardModes::Closing::BeforeAction)
        hide();
    // A copy: the action may close the window that registered the mode.
    const KeyboardModes::Action action = entry->action;
    bool done = false;
    runReportingFailures(prompter_, [&] { done = action(typed, *this); });
    if (done || isHidden())
        accept();
}

void openKeyboard(QWidget* parent, Prompter& prompter, KeyboardModes& modes, const KeyboardRequest& request) {
    const std::unique_ptr<TKeyBoardForm> keyboard = createForm<TKeyBoardForm>(prompter, modes, prompter, parent);
    if (!keyboard)
        return;
    if (!request.caption.isEmpty())
        keyboard->setWindowTitle(request.caption);
    keyboard->setMode(request.mode);
    keyboard->setPrefill(request.prefill);
    keyboard->setMasked(request.masked);
    if (request.capsOff)
        keyboard->setCapsOff();
    showModal(*keyboard);
}

} // namespace pelora
