#pragma once

namespace orvanta::ui {

// The pointer shapes the controls ask for. Default means "whatever the parent shows".
enum class CursorKind {
  Default,
  Arrow,
  Hand,
  IBeam,
  Wait,
  SizeNWSE,  // diagonal, north-west to south-east: the bottom-right size grip
  SizeWE,    // column dividers
  SizeNS,
};

}  // namespace orvanta::ui
