#pragma once
// A page output for window tests: every preview and every print job kept,
// each as the list of pages it held.

#include <vector>

#include "common/windows/AppContext.h"

namespace zarvik::test {

class SetOutput : public PageOutput {
  public:
    std::vector<std::vector<Page>> previews, jobs;
    void preview(QWidget*, const Page& page) override { previews.push_back({page}); }
    void print(QWidget*, const Page& page) override { jobs.push_back({page}); }
    void previewPages(QWidget*, const std::vector<Page>& pages) override {
        previews.push_back(pages);
    }
    void printPages(QWidget*, const std::vector<Page>& pages) override { jobs.push_back(pages); }
};

}  // namespace zarvik::test
