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

TEST(Dispatch, EachOfThe28LabelsInOrderReachesItsRoutines)
{
    for (int i = 0; i < 28; ++i) {
        const LabelRoutes& r = kRoutes[i];
        const QString label = QString::fromLatin1(r.label);
        EXPECT_EQ(QString::fromLatin1(kVersionLabels[i]), label);
        EXPECT_EQ(NewPartsWriterNameForLabel(label), QString::fromLatin1(r.writer)) << r.label;
        EXPECT_TRUE(UpdateRoutineForLabel(label) == r.update) << r.label;
        // Blanks around the label do not matter.
        EXPECT_EQ(NewPartsWriterNameForLabel(" " + label + "  "), QString::fromLatin1(r.writer));
        EXPECT_TRUE(UpdateRoutineForLabel(label + "   ") == r.update) << r.label;
    }
    EXPECT_TRUE(NewPartsWriterForLabel("P.65 (Bar)") == &AddNewPartsP64Bar);
}

TEST(Dispatch, LabelsCompareExactlyAndCaseSensitively)
{
    EXPECT_TRUE(NewPartsWriterForLabel("v.31") == nullptr);
    EXPECT_TRUE(NewPartsWriterForLabel("V.31 (Bar)") == nullptr);
    EXPECT_TRUE(UpdateRoutineForLabel("p.66 (bar)") == &UpdatePartDefault);
    EXPECT_TRUE(IsPaddedLayout(" P.68 (Bar) "));
    EXPECT_FALSE(IsPaddedLayout("P.67 (Bar)"));
}

// Four values in the placeholder row; six for "P.49 (Bar)"; none for the
// padded layout.
TEST(Dispatch, PlaceholderRowsAfterEveryWriterCall)
{
    for (const QString& label : fx::versionLabels()) {
        SCOPED_TRACE(label.toStdString());
        TransferSetup s(label);
        s.open({});
        const bool padded = fx::isPaddedLabel(label);
        if (!padded)
            s.catalogDb().exec("INSERT INTO AltG7 (PartID, AltID) VALUES (0, 5)");
        LogStatements log;
        EXPECT_EQ(AddNewPartsByVersion(s.st, 12), 0);
        AddNewPartsByVersion(s.st, 13);
        EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{12, 13}));
        if (padded) {
            EXPECT_TRUE(log.entries().isEmpty());
            continue;
        }
        const QString insert = label == "P.49 (Bar)" ? "Insert Into Alt7 Values( 0, 0, '', '', 0, 0 )"
                                                     : "Insert Into Alt7 Values( 0, '', '', 0 )";
        const QStringList once{"Delete From AltG7 Where PartID = 0", "Delete From Alt7 Where AltID = 0", insert};
        EXPECT_EQ(log.entries(), once + once);
        auto cat = s.catalogDb();
        EXPECT_EQ(cat.count("Alt7", "AltID = 0"), 1);
        EXPECT_EQ(cat.count("Alt7"), 1);
        EXPECT_EQ(cat.count("AltG7", "PartID = 0"), 0);
    }
}

TEST(Dispatch, PaddedSuffixTooLargeOrNegativeIsAnError)
{
    RecordingOperator op;
    RunState st(op);
    const std::vector<std::tuple<const char*, int, QString>> cases = {
        {"P.66 (Bar)", 7, "07"}, {"P.66 (Bar)", 100, ""}, {"P.66 (Bar)", -3, ""},
        {"P.68 (Bar)", 100, "100"}, {"P.68 (Bar)", 1000, ""}};
    for (const auto& [label, brand, suffix] : cases) {
        st.strVer = label;
        st.lngBrandID = brand;
        if (suffix.isEmpty())
            EXPECT_THROW(PaddedSuffix(st), db::DbError) << label << " " << brand;
        else
            EXPECT_EQ(PaddedSuffix(st), suffix);
    }
}
