// The one window of a document: a document window whose object answers the text-window
// interface with the document's selection.
#pragma once

#include <memory>

#include "editor/ide.h"
#include "workbench/selection.h"

namespace workbench {

class TextView : public ide::TextWindow {
  public:
    explicit TextView(std::shared_ptr<workbench::Selection> selection)
        : selection_(std::move(selection)) {}
    ide::Ref<ide::TextSelection> Selection() override { return selection_; }

  private:
    std::shared_ptr<workbench::Selection> selection_;
};

class DocumentWindow : public ide::Window {
  public:
    explicit DocumentWindow(std::shared_ptr<Selection> selection)
        : view_(std::make_shared<TextView>(std::move(selection))) {}
    long Type() override { return ide::kDocumentWindow; }
    ide::Ref<ide::TextWindow> Object() override { return view_; }
    bool IsSameObject(ide::Window& other) override { return &other == this; }

  private:
    std::shared_ptr<TextView> view_;
};

class SingleWindow : public ide::Windows {
  public:
    long Count() override { return 1; }
};

}  // namespace workbench
