#include "tests/support/default_answers.h"

#include "platform/test_script.h"

namespace testsupport {
namespace {

std::optional<pl::script::Answer> DefaultAnswer(pl::script::AnswerKind kind) {
    if (kind != pl::script::AnswerKind::Dialog) return std::nullopt;
    pl::script::Answer ok;
    ok.Kind = kind;
    ok.Steps = {pl::script::DialogStep{}};
    return ok;
}

} // namespace

void AnswerRestWithDefaults() {
    pl::script::AnswerMissingWith(&DefaultAnswer);
}

} // namespace testsupport
