#pragma once
// One visitor made of several lambdas, for std::visit over a command.

namespace reckora {

template <class... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
// Written out for the compilers that do not yet deduce an aggregate's template arguments.
template <class... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

}  // namespace reckora
