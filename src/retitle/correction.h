#pragma once

namespace Session {
class PictureSession;
}

namespace Retitle {

struct TestPassResult;

// "Edit free text of erroneous titles": only the pictures whose new title has an error stay
// selected for editing (">"), the correct ones keep a ">>" so that the next test pass includes
// them again, and selected pictures marked for deletion keep ">>" too. Every row's record is
// written, correction mode goes on and the selected count becomes the number of erroneous titles.
void markErroneousTitles(Session::PictureSession &pictures, const TestPassResult &pass);

} // namespace Retitle
