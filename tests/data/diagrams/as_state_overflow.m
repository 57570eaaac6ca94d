% x' = 1e300 x: the state overflows within the first step, while every output
% at an accepted step is still finite
sys = 'm'; new_system(sys)
add_block('built-in/Integrator',[sys '/7x'],'InitialCondition','1')
add_block('built-in/Gain',[sys '/k'],'Gain','1e300')
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'7x/1','k/1'); add_line(sys,'k/1','7x/1'); add_line(sys,'7x/1','sc/1')
