// A seeded random session: a few thousand typed texts, calculations, row clicks,
// keys, page switches and schematic shows, with the window's invariants checked
// after every action.
#include "app/ListView.h"
#include "app/PageControl.h"
#include "results/InputsCheck.h"
#include "tests/ui/MainWindowFixture.h"

#include <QTest>
#include <QTimer>

#include <algorithm>
#include <iterator>
#include <random>

namespace {

class TRandomSession : public TActiveWindowTest {
protected:
    template <class T>
    const T& Pick(const std::vector<T>& items) { return items[Draw(items.size())]; }
    std::size_t Draw(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(Rng); }
    bool Chance(double p) { return std::bernoulli_distribution(p)(Rng); }

    // Numbers with a decimal comma, huge and tiny exponents, zero, negatives, blanks,
    // tabs, letters, characters with no Windows-1251 form and very long strings.
    QString RandomText()
    {
        static const std::vector<QString> odd{"", " ", "\t", "abc", "1.5", "-", ",", "0", "-0", "1e", "日本",
            "1,0001\t", " 220 ", "1e4933", "1e-4950", "0e4933", "1e308", "-1e308", "1e-320", "∞", "1 000"};
        if (Chance(0.2))
            return Pick(odd);
        if (Chance(0.02))
            return QString(300 + static_cast<int>(Draw(5000)), QChar('9'));
        QString text = Chance(0.1) ? "-" : "";
        text += QString::number(Draw(3) == 0 ? Draw(100) : 1);
        if (Chance(0.8))
            text += "," + QString::number(Draw(1000) + 1).rightJustified(4, '0');
        if (Chance(0.15))
            text += "e" + QString::number(static_cast<int>(Draw(640)) - 320);
        return text;
    }

    // Half the time a text that makes a sweep of up to 10,000 rows with the others.
    QString FieldText(std::size_t field)
    {
        static const std::vector<QString> usual[5] = {
            {"220", "47", "1000", "0,5", "1e3"},
            {"50", "20", "5", "1,5e1"},
            {"1,0001", "1,001", "1,01", "1,2"},
            {"1,0250", "1,05", "1,3", "2"},
            {"0,0001", "0,001", "0,01", "0,05"},
        };
        return Chance(0.5) ? Pick(usual[field]) : RandomText();
    }

    void Type(TEdit* field, const QString& text)
    {
        field->selectAll();
        field->insert(text);
    }

    std::vector<AnsiString> RowTexts() const
    {
        std::vector<AnsiString> texts;
        const TListItems& items = Form->List->Items();
        for (int row : {0, items.Count() / 2, items.Count() - 1}) {
            if (row >= 0 && row < items.Count())
                for (int k = 0; k < 3; ++k)
                    texts.emplace_back(items.Text(row, k));
        }
        texts.push_back(std::to_string(items.Count()));
        return texts;
    }

    std::mt19937_64 Rng{20261208};
};

// The program's own messages, as the error box shows them.
bool KnownMessage(const AnsiString& text)
{
    static const AnsiString exact[] = {"Floating point overflow.", "Floating point division by zero.",
        "Invalid floating point operation.", "TProgressBar property out of range."};
    return std::find(std::begin(exact), std::end(exact), text) != std::end(exact)
        || (text.starts_with("'") && text.ends_with("' is not a valid floating point value."))
        || text.starts_with(AnsiFromUtf8("Слишком мелкий шаг"));
}

} // namespace

TEST_F(TRandomSession, ThousandsOfRandomActionsKeepTheWindowConsistent)
{
    TEdit* fields[] = {Form->Edit1, Form->Edit2, Form->Edit3, Form->Edit4, Form->Edit5};
    std::size_t boxesSeen = 0;
    int calculations = 0;
    for (int action = 0; action < 4000; ++action) {
        SCOPED_TRACE(action);
        const bool inputPage = Form->TabSheet2->isVisible();
        const int rows = Form->List->Items().Count();
        const std::size_t kind = Draw(10);
        bool calculated = false;
        std::vector<AnsiString> before;
        if (kind < 4 && inputPage) {
            const std::size_t field = Draw(5);
            Type(fields[field], FieldText(field));
        } else if (kind < 6 && inputPage) {
            Application->Idle();
            if (Form->Button1->isEnabled()) {
                before = RowTexts();
                QTest::mouseClick(Form->Button1, Qt::LeftButton);
                calculated = true;
                ++calculations;
            }
        } else if (kind == 6 && rows > 0) {
            ClickRow(static_cast<int>(Draw(static_cast<std::size_t>(rows))));
        } else if (kind == 7 && rows > 0) {
            QTest::keyClick(Form->List, Chance(0.5) ? Qt::Key_Down : Qt::Key_Up);
        } else if (kind == 8) {
            ShowPage(Chance(0.5) ? 0 : static_cast<int>(Draw(3)));
        } else if (kind == 9 && inputPage && Chance(0.1)) {
            QTimer::singleShot(0, Form2, [] { Form2->Button1->click(); });
            QTest::mouseClick(Form->Button2, Qt::LeftButton);
            EXPECT_FALSE(Form2->isVisible());
        }

        const std::vector<AnsiString>& boxes = TErrorBoxes::Shown();
        for (std::size_t i = boxesSeen; i < boxes.size(); ++i)
            EXPECT_TRUE(KnownMessage(boxes[i])) << boxes[i];
        const bool failed = boxes.size() > boxesSeen;
        boxesSeen = boxes.size();
        if (calculated && failed) {
            EXPECT_EQ(RowTexts(), before) << "a failed calculation keeps the previous rows";
        }
        EXPECT_EQ(Form->List->Items().Count(), Form->Series1.PointCount());
        if (Form->TabSheet2->isVisible()) {
            Application->Idle();
            EXPECT_EQ(Form->Button1->isEnabled(), CheckInputs(Form->InputTexts()).Available());
        }
        if (HasFailure())
            break;
    }
    EXPECT_GT(calculations, 100);
}
