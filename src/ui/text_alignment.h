#pragma once

namespace orvanta::ui {

enum class Alignment { Left, Right, Center };
enum class TextLayout { Top, Center, Bottom };

}  // namespace orvanta::ui
