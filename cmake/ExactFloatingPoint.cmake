# Geometry and volumes must give the same bits on every machine: a*b+c is never
# fused into one rounding. Public, since the geometry inlined in the headers is
# compiled in the targets that use them.
function(talvex_exact_floating_point target)
  target_compile_options(${target} PUBLIC -ffp-contract=off)
endfunction()
