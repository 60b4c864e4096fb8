#pragma once

// Exact decimal arithmetic on doubles: each operand becomes a decimal of at most 15
// significant digits, the product is formed exactly and rounded back to the nearest double.
// Frequency texts go through this so that 446.00625 × 100000 is 44600625, not 44600624.99….

namespace quorl {

// A product too large for a double gives ±infinity, one too small ±0. Operands that are
// not finite give their plain double product.
double decimalMultiply(double a, double b);

} // namespace quorl
