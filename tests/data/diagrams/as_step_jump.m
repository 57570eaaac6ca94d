% x' = a unit step at 0.37: integrated exactly only when no step straddles the jump
sys = 'm'; new_system(sys)
add_block('built-in/Step',[sys '/u'],'Time','0.37')
add_block('built-in/Integrator',[sys '/x'])
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'u/1','x/1'); add_line(sys,'x/1','sc/1')
set_param(sys,'StopTime','1')
