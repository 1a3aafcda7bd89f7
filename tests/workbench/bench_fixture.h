// A workbench over a temporary folder, with the add-in's commands and key presses at hand.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "support/temp_dir.h"
#include "workbench/workbench.h"

namespace workbench_testing {

class BenchTest : public ::testing::Test {
  protected:
    // The file, written with these bytes, opened and active.
    ide::Ref<ide::Document> Open(const std::string& name, const std::string& bytes) {
        std::string error;
        ide::Ref<ide::Document> document = bench_.OpenFile(dir_.Write(name, bytes).string(), error);
        EXPECT_TRUE(document) << error;
        return document;
    }
    static ide::TextSelection& SelectionOf(ide::Document& document) {
        return *document.ActiveWindow()->Object()->Selection();
    }
    // A command of the add-in (or of `addIn`), enabled, its name for every text.
    ide::Ref<ide::Command> Add(const std::string& name) { return Add(addIn_.get(), name); }
    ide::Ref<ide::Command> Add(ide::AddIn* addIn, const std::string& name) {
        return commands_->AddNamedCommand(addIn, name, name, name, true, 0,
                                          ide::kCommandStatusSupportedEnabled);
    }
    // The command the press ran, "" when none did.
    std::string Pressed(const std::string& keys, std::string* error = nullptr) {
        std::string ran, ignored;
        const bool pressed = bench_.PressKeys(
            keys, [&](const std::string& name) { return !(ran = name).empty(); },
            error != nullptr ? *error : ignored);
        EXPECT_EQ(pressed, !ran.empty()) << keys;
        return ran;
    }

    testing_support::TempDir dir_;
    workbench::Workbench bench_;
    ide::Ref<ide::Commands> commands_ = bench_.GetCommands();
    ide::Ref<ide::AddIn> addIn_ = bench_.AddInInstance();
};

}  // namespace workbench_testing
