#include "practice/AnswerValidator.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

// What an answer box takes by its kind, typed key by key or pasted at once:
// the rule alone, and the rule in a real line edit.
class TestAnswerValidator : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }
    void rules_data();
    void rules();
};

void TestAnswerValidator::rules_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("before");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("result");
    QTest::addColumn<QString>("hint");

    const QString option = QStringLiteral("Type the number of your answer, 1 to 4.");
    const QString oneCharacter = QStringLiteral("This box holds one character.");
    const QString number = QStringLiteral("Type a number here: digits, with a point for decimals.");
    const bool typed = false;
    const bool pasted = true;

    QTest::newRow("Q: the first option") << "Q"
                                         << "" << typed << "1"
                                         << "1"
                                         << "";
    QTest::newRow("Q: the last option") << "Q"
                                        << "" << typed << "4"
                                        << "4"
                                        << "";
    QTest::newRow("Q: a letter") << "Q"
                                 << "" << typed << "a"
                                 << "" << option;
    QTest::newRow("Q: past the last option") << "Q"
                                             << "" << typed << "5"
                                             << "" << option;
    QTest::newRow("Q: nought") << "Q"
                               << "" << typed << "0"
                               << "" << option;
    QTest::newRow("Q: a blank") << "Q"
                                << "" << typed << " "
                                << "" << option;
    QTest::newRow("Q: a second digit") << "Q"
                                       << "2" << typed << "3"
                                       << "2" << oneCharacter;
    QTest::newRow("Q: two digits pasted") << "Q"
                                          << "" << pasted << "12"
                                          << "" << oneCharacter;
    QTest::newRow("Q: two digits typed") << "Q"
                                         << "" << typed << "12"
                                         << "1" << oneCharacter;
    QTest::newRow("Q: >") << "Q"
                          << "" << typed << ">"
                          << ""
                          << "The character > cannot be used in an answer.";

    QTest::newRow("N: a negative decimal") << "N"
                                           << "" << typed << "-2.5"
                                           << "-2.5"
                                           << "";
    QTest::newRow("N: thousands") << "N"
                                  << "" << typed << "1,000"
                                  << "1,000"
                                  << "";
    QTest::newRow("N: blanks around") << "N"
                                      << "" << typed << " 12 "
                                      << " 12 "
                                      << "";
    QTest::newRow("N: a letter") << "N"
                                 << "" << typed << "2a"
                                 << "2" << number;
    QTest::newRow("N: a word pasted") << "N"
                                      << "" << pasted << "two"
                                      << "" << number;
    QTest::newRow("N: a second point") << "N"
                                       << "" << typed << "1.2.3"
                                       << "1.23"
                                       << "A number has only one decimal point.";
    QTest::newRow("N: a sign after a digit") << "N"
                                             << "" << typed << "3-"
                                             << "3"
                                             << "The sign - can only go at the start of a number.";
    QTest::newRow("N: a blank inside") << "N"
                                       << "" << typed << "1 2"
                                       << "1 "
                                       << "A number has no spaces inside it.";

    QTest::newRow("T: any words") << "T"
                                  << "" << typed << "Although,"
                                  << "Although,"
                                  << "";
    QTest::newRow("T: > and #") << "T"
                                << "" << typed << "a>b#c"
                                << "abc"
                                << "The character # cannot be used in an answer.";
    QTest::newRow("T: a line break pasted")
        << "T"
        << "" << pasted << "line one\nline two"
        << ""
        << "An answer is one line: it cannot hold a line break.";
    QTest::newRow("T: outside Windows-1252")
        << "T"
        << "x" << pasted << QStringLiteral("\u4e2d") << "x"
        << QStringLiteral("The character \u4e2d cannot be stored in an answer.");
    QTest::newRow("T: Windows-1252 letters")
        << "T"
        << "" << typed << QStringLiteral("\u00e9\u20ac") << QStringLiteral("\u00e9\u20ac") << "";
    QTest::newRow("X: a mixed number") << "X"
                                       << "" << typed << "2  3/7"
                                       << "2  3/7"
                                       << "";
    QTest::newRow("M: several words pasted") << "M"
                                             << "" << pasted << "to begin with"
                                             << "to begin with"
                                             << "";
}

void TestAnswerValidator::rules()
{
    QFETCH(QString, kind);
    QFETCH(QString, before);
    QFETCH(bool, pasted);
    QFETCH(QString, input);
    QFETCH(QString, result);
    QFETCH(QString, hint);

    // The rule alone: typing offers each key in turn, pasting the whole text.
    QString text = before;
    QString lastHint;
    const QStringList pieces =
        pasted ? QStringList{input} : input.split(QString(), Qt::SkipEmptyParts);
    for (const QString &piece : pieces) {
        const AnswerValidator::Verdict verdict = AnswerValidator::Check(kind, text + piece);
        if (verdict.accepted)
            text += piece;
        else
            lastHint = verdict.hint;
        QCOMPARE(verdict.accepted, verdict.hint.isEmpty());
    }
    QCOMPARE(text, result);
    QCOMPARE(lastHint, hint);

    // The same through a line edit guarded by the validator.
    QLineEdit edit;
    auto *validator = new AnswerValidator(&edit);
    validator->setKind(kind);
    edit.setValidator(validator);
    edit.setText(before);
    QString shown;
    connect(&edit, &QLineEdit::inputRejected, [&] { shown = validator->lastHint(); });
    if (pasted) {
        edit.insert(input);
    } else {
        for (const QChar c : input) {
            QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(&edit, &key);
        }
    }
    QCOMPARE(edit.text(), result);
    QCOMPARE(shown, hint);
}

QTEST_MAIN(TestAnswerValidator)
#include "tst_answervalidator.moc"
