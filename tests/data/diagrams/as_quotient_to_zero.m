% x' = 1 / u, and u drops to 0 at t = 0.5: the quotient goes first
sys = 'm'; new_system(sys)
add_block('built-in/Constant',[sys '/one'])
add_block('built-in/Step',[sys '/u'],'Time','0.5','Before','1','After','0')
add_block('built-in/Product',[sys '/p'],'Inputs','*/')
add_block('built-in/Integrator',[sys '/7x'])
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'one/1','p/1'); add_line(sys,'u/1','p/2'); add_line(sys,'p/1','7x/1')
add_line(sys,'7x/1','sc/1')
