// Dispatch by version label: the routine each label reaches and the
// placeholder rows of the brand's alternate tables.
#include <gtest/gtest.h>

#include "TransferTestSupport.h"
#include "fixtures/LabelTables.h"
#include "newparts/NewParts.h"
#include "transfer/Dispatch.h"
#include "update/UpdatePart.h"

using namespace transfertest;

namespace {

struct LabelRoutes {
    const char* label;
    const char* writer;
    UpdatePartRoutine update;
};

const LabelRoutes kRoutes[28] = {
    {"Ver 3.1 SQL", "AddNewPartsSql31", &UpdatePartDefault},
    {"V.31", "AddNewPartsV31", &UpdatePartDefault},
    {"V.32", "AddNewPartsV31", &UpdatePartDefault},
    {"V.33", "AddNewPartsV33", &UpdatePartDefault},
    {"V.34", "AddNewPartsV34", &UpdatePartDefault},
    {"V.41", "AddNewPartsV31", &UpdatePartDefault},
    {"V.42", "AddNewPartsV42", &UpdatePartDefault},
    {"V.43", "AddNewPartsV43", &UpdatePartDefault},
    {"V.45", "AddNewPartsV45", &UpdatePartDefault},
    {"V.46 (Bar)", "AddNewPartsV46Bar", &UpdatePartDefault},
    {"V.51", "AddNewPartsV31", &UpdatePartDefault},
    {"V.61", "AddNewPartsV31", &UpdatePartDefault},
    {"P.42", "AddNewPartsV31", &UpdatePartDefault},
    {"P.43", "AddNewPartsP43", &UpdatePartDefault},
    {"P.44 (Bar)", "AddNewPartsP44Bar", &UpdatePartDefault},
    {"P.45 (Bar)", "AddNewPartsP45Bar", &UpdatePartP45Bar},
    {"P.46 (Bar)", "AddNewPartsP46Bar", &UpdatePartDefault},
    {"P.47001 (Bar)", "AddNewPartsP46Bar", &UpdatePartDefault},
    {"P.48 (Bar)", "AddNewPartsP48Bar", &UpdatePartP48Bar},
    {"P.49 (Bar)", "AddNewPartsP49Bar", &UpdatePartP49Bar},
    {"P.52", "AddNewPartsP52", &UpdatePartDefault},
    {"P.61 (Bar)", "AddNewPartsP61Bar", &UpdatePartDefault},
    {"P.62 (Bar)", "AddNewPartsP46Bar", &UpdatePartDefault},
    {"P.64 (Bar)", "AddNewPartsP64Bar", &UpdatePartP64Bar},
    {"P.65 (Bar)", "AddNewPartsP64Bar", &UpdatePartP65Bar},
    {"P.66 (Bar)", "AddNewPartsP66Bar", &UpdatePartP66Bar},
    {"P.68 (Bar)", "AddNewPartsP68Bar", &UpdatePartP68Bar},
    {"D.47 (Bar)", "AddNewPartsP46Bar", &UpdatePartDefault},
};

}   // namespace

TEST(Dispatch, TheTwentyEightLabelsInOrder)
{
    for (int i = 0; i < 28; ++i)
        EXPECT_EQ(QString::fromLatin1(kVersionLabels[i]), QString::fromLatin1(kRoutes[i].label));
    EXPECT_EQ(fx::versionLabels().size(), 28);
}

TEST(Dispatch, EachLabelReachesItsRoutines)
{
    for (const LabelRoutes& r : kRoutes) {
        const QString label = QString::fromLatin1(r.label);
        EXPECT_EQ(NewPartsWriterNameForLabel(label), QString::fromLatin1(r.writer)) << r.label;
        EXPECT_TRUE(UpdateRoutineForLabel(label) == r.update) << r.label;
        // Trailing and leading blanks of the label do not matter.
        EXPECT_EQ(NewPartsWriterNameForLabel(QStringLiteral(" ") + label + QStringLiteral("  ")),
                  QString::fromLatin1(r.writer));
        EXPECT_TRUE(UpdateRoutineForLabel(label + QStringLiteral("   ")) == r.update) << r.label;
    }
    EXPECT_TRUE(NewPartsWriterForLabel("P.62 (Bar)") == &AddNewPartsP46Bar);
    EXPECT_TRUE(NewPartsWriterForLabel("P.65 (Bar)") == &AddNewPartsP64Bar);
    EXPECT_TRUE(NewPartsWriterForLabel("V.32") == &AddNewPartsV31);
    EXPECT_TRUE(NewPartsWriterForLabel("D.47 (Bar)") == &AddNewPartsP46Bar);
}

TEST(Dispatch, LabelsCompareExactlyAndCaseSensitively)
{
    EXPECT_TRUE(NewPartsWriterForLabel("v.31") == nullptr);
    EXPECT_TRUE(NewPartsWriterForLabel("V.31 (Bar)") == nullptr);
    EXPECT_TRUE(UpdateRoutineForLabel("p.66 (bar)") == &UpdatePartDefault);
    EXPECT_EQ(UpdateRoutineNameForLabel("P.66 (Bar)"), "UpdatePartP66Bar");
    EXPECT_EQ(UpdateRoutineNameForLabel("V.99"), "UpdatePartDefault");
    EXPECT_TRUE(IsPaddedLayout(" P.68 (Bar) "));
    EXPECT_FALSE(IsPaddedLayout("P.67 (Bar)"));
}

TEST(Dispatch, UpdateByVersionHandsTheValuesToTheStandIn)
{
    TransferSetup s;
    PartValues v;
    v.PartNO = "X1";
    EXPECT_EQ(UpdatePartByVersion(s.st, v), 0);
    ASSERT_EQ(s.calls.size(), 1u);
    EXPECT_EQ(s.calls[0].PartNO, "X1");
}

TEST(Dispatch, PlaceholderRowsAfterEveryWriterCallOfThePlainLayout)
{
    for (const QString& label : fx::versionLabels()) {
        if (fx::isPaddedLabel(label))
            continue;
        SCOPED_TRACE(label.toStdString());
        TransferSetup s(label);
        s.open({});
        {
            fx::SqliteFile cat(s.catalog);
            cat.exec("INSERT INTO AltG7 (PartID, AltID) VALUES (0, 5)");
        }
        db::StatementLog::clear();
        db::StatementLog::enable(true);
        EXPECT_EQ(AddNewPartsByVersion(s.st, 12), 0);
        AddNewPartsByVersion(s.st, 13);
        db::StatementLog::enable(false);
        EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{12, 13}));
        const QString insert = label == "P.49 (Bar)" ? QStringLiteral("Insert Into Alt7 Values( 0, 0, '', '', 0, 0 )")
                                                     : QStringLiteral("Insert Into Alt7 Values( 0, '', '', 0 )");
        const QStringList once{"Delete From AltG7 Where PartID = 0", "Delete From Alt7 Where AltID = 0", insert};
        EXPECT_EQ(db::StatementLog::entries(), once + once);
        fx::SqliteFile cat(s.catalog);
        EXPECT_EQ(cat.count("Alt7", "AltID = 0"), 1);
        EXPECT_EQ(cat.count("Alt7"), 1);
        EXPECT_EQ(cat.count("AltG7", "PartID = 0"), 0);
    }
}

TEST(Dispatch, SixValuePlaceholderOfP49)
{
    TransferSetup s(QStringLiteral("P.49 (Bar)"));
    s.open({});
    AddNewPartsByVersion(s.st, 1);
    fx::SqliteFile cat(s.catalog);
    const auto rows = cat.rows("SELECT * FROM Alt7");
    ASSERT_EQ(rows.size(), 1u);
    ASSERT_EQ(rows[0].size(), 6);
    EXPECT_EQ(rows[0][0].toInt(), 0);
    EXPECT_EQ(rows[0][1].toInt(), 0);
    EXPECT_EQ(rows[0][2].toString(), "");
    EXPECT_EQ(rows[0][3].toString(), "");
}

TEST(Dispatch, PaddedLabelsWriteNoPlaceholder)
{
    for (const char* label : {"P.66 (Bar)", "P.68 (Bar)"}) {
        TransferSetup s(QString::fromLatin1(label));
        s.open({});
        db::StatementLog::clear();
        db::StatementLog::enable(true);
        AddNewPartsByVersion(s.st, 3);
        db::StatementLog::enable(false);
        EXPECT_TRUE(db::StatementLog::entries().isEmpty());
        EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{3}));
    }
}

TEST(Dispatch, UnlistedLabelRunsNoWriterButThePlaceholders)
{
    TransferSetup s;
    s.st.strVer = "V.99";
    s.st.addNewPartsOverride = nullptr;
    s.open({});
    db::StatementLog::clear();
    db::StatementLog::enable(true);
    AddNewPartsByVersion(s.st, 1);
    db::StatementLog::enable(false);
    EXPECT_EQ(db::StatementLog::entries(),
              (QStringList{"Delete From AltG7 Where PartID = 0", "Delete From Alt7 Where AltID = 0",
                           "Insert Into Alt7 Values( 0, '', '', 0 )"}));
}

TEST(Dispatch, MissingAlternateTableIsAnError)
{
    TransferSetup s;
    s.st.lngBrandID = 8;   // the catalogue has tables of brand 7 only
    s.open({});
    EXPECT_THROW(AddNewPartsByVersion(s.st, 1), db::DbError);
}

TEST(Dispatch, PaddedSuffixTooLargeOrNegativeIsAnError)
{
    RecordingOperator op;
    RunState st(op);
    st.strVer = "P.66 (Bar)";
    st.lngBrandID = 7;
    EXPECT_EQ(PaddedSuffix(st), "07");
    st.lngBrandID = 100;
    EXPECT_THROW(PaddedSuffix(st), db::DbError);
    st.lngBrandID = -3;
    EXPECT_THROW(PaddedSuffix(st), db::DbError);
    st.strVer = "P.68 (Bar)";
    st.lngBrandID = 100;
    EXPECT_EQ(PaddedSuffix(st), "100");
    st.lngBrandID = 1000;
    EXPECT_THROW(PaddedSuffix(st), db::DbError);
}
