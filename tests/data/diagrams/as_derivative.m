% the derivative of sin t
sys = 'm'; new_system(sys)
add_block('built-in/Sin',[sys '/w'])
add_block('built-in/Derivative',[sys '/d'])
add_block('built-in/Scope',[sys '/sc'])
add_line(sys,'w/1','d/1'); add_line(sys,'d/1','sc/1')
