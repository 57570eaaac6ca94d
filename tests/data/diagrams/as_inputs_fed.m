% a Sum of three whose second input is fed twice and the others not at all
sys = 'm'; new_system(sys)
add_block('built-in/Constant',[sys '/c'])
add_block('built-in/Sum',[sys '/s'],'Inputs','+++')
add_block('built-in/Integrator',[sys '/i'])
add_line(sys,'c/1','s/2'); add_line(sys,'i/1','s/2')
add_line(sys,'s/1','i/1')
