% x' = x^2 from 1 is 1 / (1 - t): the steps shrink towards t = 1
sys = 'm'; new_system(sys)
add_block('built-in/Integrator',[sys '/3x'],'InitialCondition','1')
add_block('built-in/Product',[sys '/sq'])
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'3x/1','sq/1'); add_line(sys,'3x/1','sq/2'); add_line(sys,'sq/1','3x/1')
add_line(sys,'3x/1','sc/1')
