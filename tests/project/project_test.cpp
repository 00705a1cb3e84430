#include "data/project.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/reduction_errors.h"
#include "data/project_file_error.h"
#include "project_fixture.h"

namespace zelvaro {
namespace {

// A 3-zone mirror typed into a new project, with one run of readings.
void typeMirrorWithARun(Project& project) {
    project.mirror().setD(150);
    project.mirror().setR(1200);
    project.mirror().setZoneCount(3);
    MeasurementTable& table = project.table();
    table.append();
    table.setNumber(TableSchema::zoneColumn(0), 0.25);
    table.post();
}

TEST(Project, WhatCountsAsAChangeSinceTheLastOpenOrSave) {
    struct Case {
        const char* name;
        std::function<void(Project&)> step;
        bool modified;
    };
    const Case cases[] = {
        {"nothing", [](Project&) {}, false},
        {"D typed", [](Project& p) { p.mirror().setD(151); }, true},
        {"D typed and typed back",
         [](Project& p) {
             p.mirror().setD(151);
             p.mirror().setD(150);
         },
         false},
        {"origin zone chosen", [](Project& p) { p.mirror().setReductionZoneIndex(2); }, true},
        {"moving source chosen", [](Project& p) { p.mirror().setMovingSource(true); }, true},
        {"a radius typed",
         [](Project& p) {
             p.mirror().setZoneRadius(0, 10);
             p.mirror().leaveZoneRadiusEditor();
         },
         true},
        {"a row appended and posted",
         [](Project& p) {
             p.table().append();
             p.table().post();
         },
         true},
        {"a reading being typed",
         [](Project& p) {
             p.table().edit();
             p.table().setNumber(TableSchema::zoneColumn(1), 1.5);
         },
         true},
        {"an edit that changed nothing",
         [](Project& p) {
             p.table().edit();
             p.table().post();
         },
         false},
        {"a new row left untouched", [](Project& p) { p.table().append(); }, false},
        {"reduced and browsed",
         [](Project& p) {
             p.reduce();
             p.table().first();
         },
         false},
        {"new separators", [](Project& p) { p.mirror().setSeparators(Separators::english()); },
         false},
        {"Limpar Dados", [](Project& p) { p.table().clear(); }, true},
    };
    for (const Case& c : cases) {
        ProjectFiles files;
        Project project(Separators::brazilian(), fixedClock);
        typeMirrorWithARun(project);
        project.save(files.path("espelho.pbl"));
        ASSERT_FALSE(project.isModified()) << c.name;
        c.step(project);
        EXPECT_EQ(project.isModified(), c.modified) << c.name;
    }
}

TEST(Project, TheFileIsTheOneLastOpenedOrSaved) {
    ProjectFiles files;
    Project project(Separators::brazilian(), fixedClock);
    EXPECT_TRUE(project.filePath().isEmpty());
    EXPECT_FALSE(project.isModified()) << "the defaults";
    typeMirrorWithARun(project);
    EXPECT_TRUE(project.isModified()) << "typed, never saved";

    project.save(files.path("a.pbl"));
    EXPECT_EQ(project.filePath(), files.path("a.pbl"));
    project.load(files.path("a.pbl"));
    EXPECT_EQ(project.filePath(), files.path("a.pbl"));
    EXPECT_FALSE(project.isModified());
    project.save(files.path("b.pbl"));
    EXPECT_EQ(project.filePath(), files.path("b.pbl"));

    project.mirror().setMovingSource(true);
    project.startNew();
    EXPECT_TRUE(project.filePath().isEmpty());
    EXPECT_FALSE(project.isModified());
    EXPECT_FALSE(project.mirror().movingSource());
}

TEST(Project, AFailedOpenForgetsTheFileAndLeavesNothingToSave) {
    ProjectFiles files;
    Project project(Separators::brazilian(), fixedClock);
    typeMirrorWithARun(project);
    project.save(files.path("bom.pbl"));
    const QString broken = files.write("ruim.pbl", "[ARRAY_HX]=\"x\"\r\n[NUMERO_ZONAS]=1\r\n");

    EXPECT_THROW(project.load(broken), ProjectFileError);
    EXPECT_TRUE(project.filePath().isEmpty());
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(project.mirror().parameters().D, 0);
}

TEST(Project, AFailedReductionForgetsTheFileItWouldOtherwiseEmpty) {
    ProjectFiles files;
    Project project(Separators::brazilian(), fixedClock);
    typeMirrorWithARun(project);
    project.save(files.path("espelho.pbl"));
    const std::string saved = ProjectFiles::read(files.path("espelho.pbl"));
    project.table().edit();
    project.table().setNumber(TableSchema::zoneColumn(0), 1e308);
    project.table().setNumber(TableSchema::zoneColumn(1), -1e308);

    EXPECT_THROW(project.reduce(), ReductionFailed);
    EXPECT_TRUE(project.filePath().isEmpty());
    EXPECT_FALSE(project.isModified());
    EXPECT_EQ(ProjectFiles::read(files.path("espelho.pbl")), saved);
}

}  // namespace
}  // namespace zelvaro
