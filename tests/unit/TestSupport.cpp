#include "TestSupport.h"

namespace testing {

Fixture::Fixture()
{
    auto fake = std::make_unique<platform::FakePlatform>();
    fake_ = fake.get();
    platform::install(std::move(fake));
    form_ = std::make_unique<app::frmMain>();
    form_->setEndProgram([this] { ++endProgramCalls_; });
}

Fixture::~Fixture()
{
    form_.reset();
    platform::install(nullptr);
}

} // namespace testing
