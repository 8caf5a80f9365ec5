// Dispatch by version label: the labels in order, the part-update routine,
// new-part writer and layout of each, and the placeholder rows of the
// brand's alternate tables.
#include <gtest/gtest.h>

#include <map>

#include "TransferTestSupport.h"
#include "fixtures/LabelRules.h"
#include "transfer/Dispatch.h"
#include "update/UpdatePart.h"

using namespace transfertest;

TEST(Dispatch, EachLabelsRoutinesAndLayout)
{
#define R(routine) {#routine, &routine}
    const std::map<QString, UpdatePartRoutine> routines{
        R(UpdatePartDefault), R(UpdatePartP45Bar), R(UpdatePartP48Bar), R(UpdatePartP49Bar),
        R(UpdatePartP64Bar),  R(UpdatePartP65Bar), R(UpdatePartP66Bar), R(UpdatePartP68Bar)};
    RecordingOperator op;
    RunState st(op);
    st.lngBrandID = 7;
    for (int i = 0; i < 28; ++i) {
        const fx::LabelRule& r = fx::kLabelRules[i];
        SCOPED_TRACE(r.label);
        EXPECT_STREQ(kVersionLabels[i], r.label);
        // Blanks around the label do not matter.
        st.strVer = QString::fromLatin1(r.label) + "   ";
        EXPECT_TRUE(UpdateRoutineForLabel(st.strVer) == routines.at(r.update));
        EXPECT_EQ(NewPartsWriterNameForLabel(st.strVer), r.writer);
        EXPECT_EQ(IsPaddedLayout(st.strVer), r.suffix != 0);
        if (r.suffix)
            EXPECT_EQ(PaddedSuffix(st), QString("7").rightJustified(r.suffix, '0'));
        else
            EXPECT_THROW(PaddedSuffix(st), db::DbError);
    }
    // Labels compare exactly and case-sensitively.
    EXPECT_TRUE(NewPartsWriterForLabel("v.31") == nullptr);
    EXPECT_TRUE(NewPartsWriterForLabel("V.31 (Bar)") == nullptr);
    EXPECT_FALSE(IsPaddedLayout("P.67 (Bar)"));
    EXPECT_TRUE(UpdateRoutineForLabel("p.66 (bar)") == &UpdatePartDefault);
}

// Four values in the placeholder row; six for "P.49 (Bar)"; none for the
// padded layout.
TEST(Dispatch, PlaceholderRowsAfterEveryWriterCall)
{
    for (const fx::LabelRule& r : fx::kLabelRules) {
        SCOPED_TRACE(r.label);
        TransferSetup s(r.label);
        s.open({});
        LogStatements log;
        int16_t result = -1;
        EXPECT_EQ(s.guarded([&](RunState& st) {
            result = AddNewPartsByVersion(st, 12);
            AddNewPartsByVersion(st, 13);
        }), "");
        EXPECT_EQ(result, 0);
        EXPECT_EQ(s.writerCalls, (std::vector<int16_t>{12, 13}));
        const QStringList once{"Delete From AltG7 Where PartID = 0", "Delete From Alt7 Where AltID = 0",
                               r.placeholder == 6 ? "Insert Into Alt7 Values( 0, 0, '', '', 0, 0 )"
                                                  : "Insert Into Alt7 Values( 0, '', '', 0 )"};
        EXPECT_EQ(log.entries(), r.placeholder ? once + once : QStringList{});
    }
}
