% x' = -x from x(0) = 1: e^-t
sys = 'm'; new_system(sys)
add_block('built-in/Integrator',[sys '/x'],'InitialCondition','1')
add_block('built-in/Gain',[sys '/k'],'Gain','-1')
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'x/1','k/1'); add_line(sys,'k/1','x/1'); add_line(sys,'x/1','sc/1')
